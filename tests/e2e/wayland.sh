#!/usr/bin/env bash
# End to end under Wayland: the program in a headless sway, as a user other than root, keys typed
# with wtype and the screen taken with grim. A session of lesson 2: keys are typed, Down turns the
# page, Datei > Speichern writes the file back with the place it came with.
# Usage: wayland.sh PATH/TO/tastora
set -euo pipefail
program=$(realpath "$1") here=$(dirname "$(realpath "$0")")
fail() { echo "FAIL (wayland): $*" >&2; exit 1; }
work=$(mktemp -d) sway='' tutor=''
trap 'kill $tutor $sway 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
# A compositor wants a user of its own: as root the run takes nobody's.
as=()
if [ "$(id -u)" = 0 ]; then
    id nobody >/dev/null 2>&1 || { echo "SKIP: no user 'nobody' to run the compositor as"; exit 0; }
    as=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups)
fi
"${as[@]}" test -x "$program" || { echo "SKIP: $program cannot be run as $("${as[@]}" id -un)"; exit 0; }
mkdir -m 700 "$work/run" "$work/home" "$work/files"
cat >"$work/config" <<'EOF'
output * resolution 1024x768
xwayland disable
for_window [title=".*"] floating enable
EOF
python3 "$here/probe.py" session "$work/files/l2.klv" 0 2 1000 40 30 740 530
[ ${#as[@]} = 0 ] || chown -R nobody "$work/run" "$work/home" "$work/files"
clean=("${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run")   # started as is, so that kill reaches them
within() { local tries=$1; shift; for _ in $(seq "$tries"); do "$@" && return; sleep 0.25; done; return 1; }

"${clean[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    timeout -k 5 200 sway -c "$work/config" >"$work/sway.log" 2>&1 & sway=$!
socket() { compgen -G "$work/run/wayland-[0-9]" >/dev/null && compgen -G "$work/run/sway-ipc.*.sock" >/dev/null; }
within 80 socket || { cat "$work/sway.log" >&2; fail "sway makes no socket"; }
WAYLAND_DISPLAY=$(basename "$(compgen -G "$work/run/wayland-[0-9]" | head -1)")
SWAYSOCK=$(compgen -G "$work/run/sway-ipc.*.sock" | head -1)
user() { timeout -k 5 20 "${clean[@]}" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK" "$@"; }

# A Wayland session, without X: the program finds the compositor by itself.
"${clean[@]}" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" XDG_SESSION_TYPE=wayland SDL_AUDIODRIVER=dummy \
    timeout -k 5 150 "$program" "$work/files/l2.klv" >"$work/tastora.log" 2>&1 & tutor=$!
# The window's place and size on the screen, as sway put it: "X,Y WxH" for grim.
geometry() {
    user swaymsg -t get_tree | python3 -c 'import json, sys
def walk(node):
    if node.get("name") == "Tastora -- l2.klv":
        r = node["rect"]; print("%d,%d %dx%d" % (r["x"], r["y"], r["width"], r["height"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []): walk(child)
walk(json.load(sys.stdin))' | grep .
}
within 80 geometry >/dev/null || { cat "$work/tastora.log" >&2; fail "no window 'Tastora -- l2.klv' is shown"; }
# wtype brings a keyboard of its own each time, which the window takes a moment to get.
keys() { user wtype -s 400 -d 40 "$@"; }
# The page: the window less the typing area and the status bar below it, whose caret blinks; or
# (at the bottom) those two.
grab() { user grim -g "$(geometry | awk -F'[ ,x]' -v b="${2:-}" '{print $1 "," $2 + (b ? $4 - 130 : 0) " " $3 "x" (b ? 130 : $4 - 130)}')" - >"$work/$1.png"; }
differ() { grab now; [ "$(compare -metric AE "$work/$1.png" "$work/now.png" null: 2>&1)" != 0 ]; }
settled() { grab before; sleep 0.3; ! differ before; }
red() { grab typed bottom; convert "$work/typed.png" -fuzz 25% -fill black +opaque red -format '%[fx:maxima.r > 0]' info:; }
marked() { [ "$(red)" = 1 ]; }   # a wrong character shows red in the typing area

within 40 settled || fail "the page does not settle"
keys "jj hh"
within 40 differ before || fail "typing the exercise line does not move its marker"
! marked || fail "a right key is marked wrong"
keys x
within 40 marked || fail "a wrong key is not marked"
within 40 settled || fail "the page does not settle after typing"
keys -k Down
within 40 differ before || fail "Down does not turn the page"

touch -d 2000-01-01 "$work/files/l2.klv"
keys -M alt d -m alt s
saved() { [ "$(stat -c %Y "$work/files/l2.klv")" != "$(date -d 2000-01-01 +%s)" ]; }
within 40 saved || fail "Datei > Speichern does not write the file"
record=$(python3 "$here/probe.py" record "$work/files/l2.klv")
read -r hand lesson _ _ _ _ left top right bottom <<<"$record"
[ "$hand $lesson" = "0 2" ] || fail "the saved session is not lesson 2 of the left hand: $record"
[ "$left $top" = "40 30" ] || fail "the saved window moved from 40 30: $record"
width=$((right - left)) height=$((bottom - top))
((width >= 400 && width <= 1024 && height >= 300 && height <= 768)) || fail "the saved window's size is not sensible: $record"
echo "PASS (wayland)"
