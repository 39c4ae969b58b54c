#!/usr/bin/env bash
# The picture generator is deterministic: drawn again, the pictures are the same bytes, and its own
# check of sizes, colours and hands passes. Usage: pictures_again.sh PICGEN PICTURE_DIR
set -euo pipefail
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
"$1" "$again"; "$1" --check "$again"; diff -r "$2" "$again"
echo "$(ls "$again" | wc -l) pictures drawn the same"
