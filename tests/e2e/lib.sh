# Helpers of the end-to-end scenarios: a display with a German keyboard layout, the program, and
# waits for a state, each with a limit, so that a missing window fails instead of hanging.
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")") work=$(mktemp -d) manager=
# The program draws into Xvfb even where the caller asks for offscreen, and shows its widgets to
# the accessibility bus. What it keeps (Qt's settings) stays out of the caller's home.
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME=$work
xdotool() { timeout -k 5 20 xdotool "$@"; }   # timeout runs the tools, not these wrappers
xwininfo() { timeout -k 5 20 xwininfo "$@"; }
probe() { timeout -k 5 20 /usr/bin/python3 "$here/probe.py" "$@"; }
trap 'kill $xvfb $manager 2>/dev/null; rm -rf "$work" ${E2E_RUNTIME:+"$E2E_RUNTIME"}' EXIT   # only the runtime folder made here
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$work/display" >/dev/null 2>&1 & xvfb=$!   # picks a free display
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
timeout 20 setxkbmap de
probe texts '^$' label || true   # starts the accessibility bus, which the program looks for
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
if [ -n "$window_manager" ]; then   # ready once it names itself on the root window
    "$window_manager" >/dev/null 2>&1 &
    manager=$!
    for _ in $(seq 100); do timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break; sleep 0.1; done
fi

fail() { echo "FAIL ($scenario): $*" >&2; exit 1; }   # ends the scenario, so that the fault does not spread
check() { local what=$1; shift; "$@" || fail "$what"; }
expect() {   # expect WHAT WANT COMMAND...: waits until COMMAND prints WANT, PATIENCE tries at most
    local what=$1 want=$2 got; shift 2
    for _ in $(seq "${patience:-40}"); do got=$("$@" 2>/dev/null) || true; [ "$got" = "$want" ] && return; sleep 0.25; done
    fail "$what: want '$want', got '$got'"
}
start() { timeout -k 5 100 "$program" "$@" >/dev/null 2>&1 & tutor=$!; }
begin() {   # begin [FILE [HAND LESSON FONT LEFT TOP RIGHT BOTTOM [STUDIO TONE]]]: w is its window
    [ $# -lt 2 ] || probe session "$@"; start ${1:+"$1"}
    w=$(window "^Tastora${1:+ -- ${1##*/}}\$"); xdotool windowfocus --sync "$w"
}
quit() { menu "$w" d b; closed '^Tastora'; stop; }   # Beenden, which asks nothing
stop() { [ -z "${tutor:-}" ] || { kill "$tutor"; wait "$tutor"; } 2>/dev/null || true; tutor=; }
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
window() {   # window TITLE-PATTERN: the first shown window of that title, once there is one
    local id; for _ in $(seq 100); do id=$(shown "$1"); [ -n "$id" ] && { echo "$id"; return; }; sleep 0.2; done
    fail "no window '$1' is shown"
}
closed() {   # closed TITLE-PATTERN: waits until no window of that title is shown; a search fails
    local missed=0   # now and then while a window goes, so it must miss twice in a row
    for _ in $(seq 50); do
        if [ -n "$(shown "$1")" ]; then missed=0; elif ((++missed >= 2)); then return; fi; sleep 0.1
    done
    fail "'$1' stays open"
}
menu() { xdotool windowfocus --sync "$1" key "alt+$2" "$3"; }   # menu WINDOW MENU ITEM, by underlined letters
answer() { xdotool windowfocus --sync "$(window "$1")" key "$2"; closed "$1"; }   # answer DIALOG KEY
typed() { probe texts '^Tastora' text; }   # the typing area's text, line breaks as "~"
figures() { echo $(probe texts '^Erfolgskontrolle$' label | grep -o '[0-9]*%*$'); }   # the numbers ending its lines
statistics() {   # statistics WHAT WINDOW FIGURES: Erfolgskontrolle shows FIGURES; OK closes it
    menu "$2" l e
    expect "$1" "$3" figures
    answer '^Erfolgskontrolle$' Return
    xdotool windowfocus --sync "$2"
}
save_as() {   # save_as WINDOW NAME: Speichern Unter, in the working folder
    menu "$1" d u
    xdotool windowfocus --sync "$(window '^Speichern unter$')" type --delay 40 "$2"
    expect "the file dialog holds the name" "$2" probe texts '^Speichern unter$' text
    xdotool key Return
    window "^Tastora -- $2.klv$" >/dev/null
}

# A window's outer rectangle (frame included) as "LEFT TOP RIGHT BOTTOM", as a session file holds
# it, measured two ways: the frame that holds the window, and the window grown by the frame
# extents the window manager reports, which is how the program sees its own rectangle.
rect_of() {   # rect_of WINDOW [LEFT RIGHT TOP BOTTOM]
    xwininfo -id "$1" | awk -v l="${2:-0}" -v r="${3:-0}" -v t="${4:-0}" -v b="${5:-0}" '/Width:/ {w = $2}
        /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Height:/ {h = $2}
        END {print x - l, y - t, x + w + r, y + h + b}'
}
frame_rect() {
    local id=$1 parent
    while parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ {print $4}') && [ "$parent" != "$root" ]; do id=$parent; done
    rect_of "$id"
}
# shellcheck disable=SC2046
rects() { echo "$(frame_rect "$1") / $(rect_of "$1" $(timeout 5 xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,))"; }
placed() { expect "$1" "$3 / $3" rects "$2"; }   # placed WHAT WINDOW "LEFT TOP RIGHT BOTTOM"

# Pictures of the page: the window's client above the typing area, whose caret blinks.
page() { timeout 20 import -window root -crop "$(rect_of "$2" | awk '{print $3 - $1 "x" $4 - $2 - 130 "+" $1 "+" $2}')" "$1.png"; }
against() { page now "$2"; if [ "$(compare -metric AE "$1.png" now.png null: 2>&1)" = 0 ]; then echo same; else echo other; fi; }
steady() { page "$1" "$2"; expect "the page settles" same settle "$1" "$2"; }   # steady NAME WINDOW
settle() { sleep 0.2; against "$1" "$2"; mv now.png "$1.png"; }

# What the program played through SDL's disk driver: the recordings heard after byte OFFSET.
heard() { probe heard audio.raw "$1" "$here/../../resources/recordings" "${@:2}"; }   # heard OFFSET NAME...
audible() { rm -f audio.raw; SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw begin "$@"; }   # sound into audio.raw
