#!/usr/bin/env bash
# Makes the program's recordings into resources/recordings: 22050 Hz, 16-bit mono WAVE.
# Needs espeak-ng and sox from Debian's packages; the recordings are committed, so building
# needs neither. A run remakes the same files byte for byte with the same tool versions.
set -euo pipefail
out="$(dirname "$0")/../resources/recordings"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# -R seeds sox's noise the same way on every run and -D leaves out dither, so a run repeats.
sx() { sox -R -D "$@"; }

# The beep of a refused action: a short, soft tone.
sx -n -r 22050 -b 16 -c 1 "$out/beep.wav" synth 0.09 sine 880 fade h 0.005 0.09 0.03 vol 0.5

# Every other recording ends the same way: its peak at -3 dBFS, so that all sound equally
# loud, and no silence (below 1% of full scale) before or after the sound, so that it plays
# the moment it is asked for.
trim=(silence 1 0.001 1% reverse silence 1 0.001 1% reverse)
finish=(gain -n -3 "${trim[@]}")

# Writes $out/$1.wav from the sound $2 (any file sox reads) and the effects after it.
store() {
    local name=$1 from=$2
    shift 2
    sx "$from" -r 22050 -b 16 -c 1 -e signed-integer "$out/$name.wav" "$@" "${finish[@]}"
}

# Speaks $3 with espeak-ng's German voice variant $2 into $work/$1.wav. The words may be
# [[phonemes]] where the spelling would mislead the voice, or SSML for expression. The
# amplitude stays low enough that the voice never clips; loudness comes from the gain later.
speak() {
    local name=$1 voice=$2 text=$3
    shift 3
    espeak-ng -b 1 -m -z -a 70 -v "$voice" "$@" -w "$work/$name.wav" "$text"
}

# The key names, as a German speaker names the keys: a little faster than the voice's own
# pace and a little lower, so each name is short and still clear.
keys=(
    "comma|[[k'Oma]]" "-|Minus" "fs|Punkt" "question|[[fr'A:g@ts,aIC@n]]"
    "0|null" "1|eins" "2|zwei" "3|drei" "4|vier" "5|fünf" "6|sechs" "7|sieben" "8|acht" "9|neun"
    "a|A" "b|Be" "c|Zeh" "d|De" "e|E" "f|Eff" "g|Ge" "h|Ha" "i|I" "j|Jott" "k|Ka" "l|Ell" "m|Emm"
    "n|Enn" "o|O" "p|Pe" "q|Ku" "r|Err" "s|Ess" "t|Te" "u|U" "v|Fau" "w|We" "x|Ix"
    "y|[[_!'ypsil,On]]" "z|Zett"
    "aa|Ä" "oo|Ö" "uu|Ü" "sz|Eszett" "ntr|Enter" "spc|Leertaste"
)
for key in "${keys[@]}"; do
    speak key de "${key#*|}" -s 185 -p 45
    store "s${key%%|*}" "$work/key.wav"
done

# Sets cubic to the effects of a decay to nothing over $1 seconds that falls fast at first
# and slowly at the end: three linear fades, whose product is cubic.
cubic() { cubic=(fade t 0 "$1" "$1" fade t 0 "$1" "$1" fade t 0 "$1" "$1"); }

# The click of a key: a burst of noise in the band of a typewriter's type bar, dying away
# within 40 ms, with no room around it.
cubic 0.04
sx -r 22050 -c 1 -n "$work/click.wav" synth 0.04 whitenoise vol 0.3 \
    highpass 1800 lowpass 7000 equalizer 3300 1.5q +8 fade h 0.0008 "${cubic[@]}"
store click "$work/click.wav"

# Ping: a small bell. Its partials stand in the ratios of a struck bar, and the higher ones
# fade sooner, which makes the tone bright at the stroke and round as it dies away. Mixing
# pads the shorter partials with silence.
bell=()
for partial in "1568 0.9 1" "4328 0.45 0.5" "8467 0.2 0.25"; do
    read -r frequency length level <<<"$partial"
    cubic "$length"
    sx -r 22050 -c 1 -n "$work/bell$frequency.wav" synth "$length" sine "$frequency" \
        fade h 0.002 "${cubic[@]}" vol "$level"
    bell+=("$work/bell$frequency.wav")
done
sx -m "${bell[@]}" "$work/ding.wav"
store ding "$work/ding.wav"

# Tütt: a horn sounding two notes a major third apart at once, buzzing (a square wave
# through a low-pass filter), short and a little overdriven.
sx -r 22050 -c 2 -n "$work/toot.wav" synth 0.3 square 370 square 466 remix - vol 0.4 \
    lowpass 2200 overdrive 6 fade q 0.012 0.3 0.04
store toot "$work/toot.wav"

# Spatsch: a splash. The wet slap of the body of water, low noise that wobbles (tremolo)
# and dies away fast, and over it from a little later the hiss of the spray, which lasts
# longer, like the "tsch" of the word.
cubic 0.25
sx -r 22050 -c 1 -n "$work/slap.wav" synth 0.25 pinknoise vol 0.5 sinc 150-1800 tremolo 23 60 \
    fade h 0.003 "${cubic[@]}"
cubic 0.35
sx -r 22050 -c 1 -n "$work/spray.wav" synth 0.35 whitenoise vol 0.2 sinc 2000-6000 tremolo 31 40 \
    fade q 0.03 "${cubic[@]}" pad 0.06 vol 0.6
sx -m "$work/slap.wav" "$work/spray.wav" "$work/blurt.wav"
store blurt "$work/blurt.wav"

# The spoken error sounds, each with the expression of what it says.
speak verflixt de+m3 '<prosody pitch="+25%" range="x-high"><emphasis level="strong">Verflixt</emphasis> nochmal!</prosody>' -s 190
store verflixt "$work/verflixt.wav"
speak autsch de+m7 '<prosody pitch="+40%" range="x-high">Autsch!</prosody>' -s 170
store autsch "$work/autsch.wav"
speak oh de+m3 '<prosody pitch="+20%" range="x-high">[[_!'"'"'aU:]]!</prosody>' -s 140
store oh "$work/oh.wav"
# Oh oh: the second "oh" lower than the first, both falling.
speak oh1 de 'Oh.' -s 150 -p 85
speak oh2 de 'Oh.' -s 150 -p 30
sx "$work/oh1.wav" "$work/oh1t.wav" "${trim[@]}" pad 0 0.09
sx "$work/oh2.wav" "$work/oh2t.wav" "${trim[@]}"
sx "$work/oh1t.wav" "$work/oh2t.wav" "$work/oh-oh.wav"
store oh-oh "$work/oh-oh.wav"
