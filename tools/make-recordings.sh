#!/usr/bin/env bash
# Makes the program's recordings into resources/recordings (16-bit mono WAVE). Needs sox
# from Debian's packages; the recordings are committed, so building needs neither.
set -euo pipefail
out="$(dirname "$0")/../resources/recordings"
mkdir -p "$out"

# The beep of a refused action: a short, soft tone.
sox -n -r 22050 -b 16 -c 1 "$out/beep.wav" synth 0.09 sine 880 fade h 0.005 0.09 0.03 vol 0.5
