#!/usr/bin/env bash
# End to end: the real program in Xvfb with a German keyboard layout, driven by xdotool;
# with a window manager named (openbox), under it, so that windows have frames.
# Usage: e2e.sh PATH/TO/tastora [WINDOW-MANAGER]
set -euo pipefail
program=$(realpath "$1")
recordings=$(realpath "$(dirname "$0")/../../resources/recordings")
manager_program=${2:-}
# The program must draw into Xvfb even where the caller's environment asks for offscreen.
export QT_QPA_PLATFORM=xcb
# Every wait for the program has a limit, so that a missing window fails instead of hanging;
# timeout runs the commands themselves, not these wrappers.
limit() { timeout -k 5 20 "$@"; }
xdotool() { limit xdotool "$@"; }
xclip() { limit xclip "$@"; }
xwininfo() { limit xwininfo "$@"; }
xprop() { limit xprop "$@"; }
work=$(mktemp -d)
# What the program keeps (Qt's settings, the print dialog's default file) goes into the work
# folder, not the caller's home.
export HOME=$work
# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
tutor=
manager=
trap 'kill $tutor $manager $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
export SDL_AUDIODRIVER=dummy
limit setxkbmap de
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
if [ -n "$manager_program" ]; then
    "$manager_program" >"$work/manager.log" 2>&1 &
    manager=$!
    # It is ready once it names itself on the root window.
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break; sleep 0.1; done
fi
cd "$work"

failures=0
passes=0
check() {   # check WHAT COMMAND...
    local what=$1; shift
    if "$@"; then passes=$((passes + 1)); else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
# A search fails now and then when a window goes while it looks (BadWindow), so a window
# is looked for until found, and taken for closed only when missed twice in a row.
window_named() {   # the first shown window of a title, or nothing after some 20 s
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && break
        sleep 0.2
    done
    echo "$id"
}
start() { timeout -k 5 100 "$program" "$@" >/dev/null 2>&1 & tutor=$!; }
stop() { kill "$tutor" 2>/dev/null || true; wait "$tutor" 2>/dev/null || true; tutor=; }
shot() { limit import -window root -crop "$2" "$work/$1.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" = "0" ]; }
differ() { ! same "$@"; }
gone() { [ -z "$(xdotool search --onlyvisible --name '^Tastora' || true)" ]; }
running() { ! gone; }
# A window's outer rectangle (frame included) as "LEFT TOP RIGHT BOTTOM", as a session file
# holds it, measured two ways: the frame that holds the window, and the window grown by
# the frame extents the window manager reports, which is how the program sees its own
# rectangle. Without a window manager both are the window itself. (xdotool's
# getwindowgeometry counts the frame twice in the position.)
rect_of() {   # rect_of WINDOW [LEFT RIGHT TOP BOTTOM]
    xwininfo -id "$1" | awk -v l="${2:-0}" -v r="${3:-0}" -v t="${4:-0}" -v b="${5:-0}" '
        /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
        END {print x - l, y - t, x + w + r, y + h + b}'
}
frame_rect() {
    local id=$1 parent
    while parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ {print $4}') && [ "$parent" != "$root" ]; do
        id=$parent
    done
    rect_of "$id"
}
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,; }   # LEFT RIGHT TOP BOTTOM
placed() {   # placed WHAT WINDOW "LEFT TOP RIGHT BOTTOM"
    local frame grown
    for _ in $(seq 50); do   # the program places the window again once it has its frame
        frame=$(frame_rect "$2")
        # shellcheck disable=SC2046
        grown=$(rect_of "$2" $(extents "$2"))
        [ "$frame" = "$3" ] && [ "$grown" = "$3" ] && break
        sleep 0.1
    done
    check "$1: frame at $3 (got $frame)" [ "$frame" = "$3" ]
    check "$1: window and frame extents at $3 (got $grown)" [ "$grown" = "$3" ]
}
# On an exercise page Ctrl+A and Ctrl+C count as two wrong inputs, as any other character.
# The clipboard first holds a mark, so that what it held before is not taken for the copy
# when the program is slow to make it. xclip stays behind to keep what it put there, so its
# output goes elsewhere: a caller reading it would wait for it.
typing_area() {   # the typing area's text, through the clipboard, its line breaks shown as "~"
    local text
    printf '\a' | xclip -selection clipboard >/dev/null 2>&1
    # xclip takes the clipboard from its own background process: wait until it holds it, or
    # under load it takes it only after the program's copy.
    for _ in $(seq 30); do
        [ "$(xclip -o -selection clipboard 2>/dev/null || true)" = $'\a' ] && break
        sleep 0.1
    done
    xdotool key ctrl+a ctrl+c ctrl+End   # the caret ends at the end, so that typing adds to it
    for _ in $(seq 50); do
        text=$(xclip -o -selection clipboard 2>/dev/null | tr '\n' '~' || true)
        [ "$text" != $'\a' ] && break
        sleep 0.1
    done
    if [ "$text" != $'\a' ]; then echo "$text"; fi
}
menu() {   # menu WINDOW MENU ITEM: a menu command by the underlined letters of the menu and the item
    xdotool windowfocus --sync "$1" key "alt+$2"
    sleep 0.3
    xdotool key "$3"
}
page_shot() {   # page_shot NAME WINDOW: the window's client above the typing area and its blinking caret
    shot "$1" "$(rect_of "$2" | awk '{print $3 - $1 "x" $4 - $2 - 130 "+" $1 "+" $2}')"
}
dialog_shot() { limit import -window "$2" "$work/$1.png"; }   # dialog_shot NAME WINDOW
closed() {   # closed TITLE-PATTERN: waits until no window of that title is shown
    local missed=0
    for _ in $(seq 50); do
        if [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; then
            missed=$((missed + 1))
            [ "$missed" -ge 2 ] && return 0
        else
            missed=0
        fi
        sleep 0.1
    done
    return 1
}
session() {   # session FILE HAND LESSON FONT LEFT TOP RIGHT BOTTOM [SOUND-STUDIO ERROR-TONE]
    python3 - "$@" <<'PY'
import struct, sys
f, hand, lesson, font, l, t, r, b, *sound = sys.argv[1], *map(int, sys.argv[2:])
studio, tone = sound or (0, 0)
open(f, "wb").write(struct.pack("<6h4i", hand, lesson, font, {1000: 20, 1001: 25, 1002: 30}[font], studio, tone,
                                l, t, r, b))
PY
}
record() {   # record FILE: a session file's fields
    python3 -c 'import struct, sys; print(*struct.unpack("<6h4i", open(sys.argv[1], "rb").read()))' "$1"
}
# What the program played, through SDL's disk driver: the names of the recordings found in
# the samples after byte OFFSET, in the order they were played.
heard() {   # heard OFFSET NAME...
    python3 - "$work/audio.raw" "$recordings" "$@" <<'PY'
import sys, wave
played, folder, offset, names = open(sys.argv[1], "rb").read(), sys.argv[2], int(sys.argv[3]), sys.argv[4:]
found = []
for name in names:
    samples = wave.open(f"{folder}/{name}.wav").readframes(10**7)
    at = played.find(samples, offset)
    while at >= 0:
        found.append((at, name))
        at = played.find(samples, at + len(samples))
print(" ".join(name for _, name in sorted(found)))
PY
}
audible() {   # audible SESSION-FILE: starts the program with its sound written to audio.raw
    rm -f "$work/audio.raw"
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" start "$1"
    w=$(window_named '^Tastora -- ')
    xdotool windowfocus --sync "$w"
}

# --help and --version answer on the terminal and start no GUI: without a display, where
# starting one would fail.
answer() {   # answer OPTION: the program's output, then its exit code
    local out code=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout -k 5 10 "$program" "$1" 2>&1) || code=$?
    printf '%s\n%s' "$out" "$code"
}
help=$(answer --help)
check "--help shows the German usage and exits 0 (got '$help')" \
    [ "${help##*$'\n'}" = 0 -a -n "$(grep '^Aufruf: tastora \[DATEI.klv\]$' <<<"$help")" ]
version=$(answer --version)
check "--version shows the version and exits 0 (got '$version')" [ "$version" = $'Tastora 0.1\n0' ]

# A fresh start: the window, titled "Tastora", 700 x 500 at (5, 5).
start
w=$(window_named '^Tastora$')
placed "fresh window" "$w" "5 5 705 505"

# The start screen comes alive: the hand types the sentence, a character every 180 ms after
# 0.8 s, then Enter (about 20 s in all).
xdotool windowfocus --sync "$w"
sleep 5
sentence="Der Xaver den süßen Jodler singt, Holleraderrüh, dö und dä, er hat's geschafft und alle Übungen vollbracht."
midway=$(typing_area)
check "after 5 s the demonstration is half way (typed '$midway')" \
    [ -n "$midway" ] && [ "${sentence#"$midway"}" != "$sentence" ] && [ "$midway" != "$sentence" ]
sleep 16.5
check "the demonstration types the sentence and a line break" [ "$(typing_area)" = "$sentence~" ]

# Down turns the page, Up turns it back to exactly the same page; neither reaches the typing area.
shot start 700x300+5+30
xdotool key Down
sleep 0.3
shot rules 700x300+5+30
check "Down shows another page" differ start rules
xdotool key Up
sleep 0.3
shot back 700x300+5+30
check "Up returns to the same page" same start back
# Ctrl+V while nothing owns the clipboard pastes nothing, and the program lives on.
xdotool key ctrl+v
sleep 0.3
check "Ctrl+V with an empty clipboard keeps the program" [ -n "$(xdotool search --onlyvisible --name '^Tastora$' || true)" ]
stop
# Down during the demonstration ends it: nothing more is typed.
start
w=$(window_named '^Tastora$')
xdotool windowfocus --sync "$w"
sleep 2
xdotool key Down
early=$(typing_area)
sleep 1
check "Down ends the demonstration (typed '$early')" [ -n "$early" ] && [ "$(typing_area)" = "$early" ]

# A lesson from the start: page by page through lesson 1 to its key trial, whose keys lead
# on to the exercise page of lesson 2; the trial is not counted in the statistics.
xdotool key Down Down Down Down   # lesson 1, pages 1 to 4
xdotool type --delay 80 'jhgf'
xdotool key Return
sleep 0.5
page_shot lesson2 "$w"
statistics() {   # statistics NAME: the picture of Erfolgskontrolle, which OK closes
    menu "$w" l e
    local dialog
    dialog=$(window_named '^Erfolgskontrolle$')
    check "Erfolgskontrolle opens ($1)" [ -n "$dialog" ]
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    dialog_shot "$1" "$dialog"
    xdotool key Return
    check "OK closes Erfolgskontrolle ($1)" closed '^Erfolgskontrolle$'
    xdotool windowfocus --sync "$w"
}
statistics untyped
# Two exercise lines, the first right, the second with three wrong characters: 70 inputs,
# 3 wrong, 95%. The dialog's figures are drawn, not read: the same keys must give the same
# picture, other keys another.
exercise() {
    xdotool type --delay 40 'jj hh gg ff ff gg hh jj'
    xdotool key Return
    xdotool type --delay 40 'jjj hhh gxg fff jjj hhx ggg fff jjj hhh ggg ffj'
    xdotool key Return
}
exercise
statistics typed
check "the statistics change with typing" differ untyped typed
menu "$w" d u
dialog=$(window_named '^Speichern unter$')
xdotool windowfocus --sync "$dialog" type --delay 40 "lektion2"
sleep 0.3
xdotool key Return
check "the lesson is saved" [ -n "$(window_named '^Tastora -- lektion2.klv$')" ]
menu "$w" d b
check "and the program ends" closed '^Tastora'
stop
check "the file holds the left hand, lesson 2 and the window" \
    [ "$(record "$work/lektion2.klv")" = "0 2 1000 20 0 0 5 5 705 505" ]

# Opened again, the session shows the same page, and the statistics start afresh: the same
# keys give the same figures.
start "$work/lektion2.klv"
w=$(window_named '^Tastora -- lektion2.klv$')
xdotool windowfocus --sync "$w"
sleep 0.3
page_shot reopened "$w"
check "the saved session opens on the exercise page of lesson 2" same lesson2 reopened
statistics reopened
check "read again, the statistics start afresh, as they did after the key trial" same untyped reopened
exercise
statistics typed_again
check "the same keys give the same statistics" same typed typed_again

# Geh Zu Übung: the dialog opens with the lesson selected, so "23" replaces it.
menu "$w" l g
dialog=$(window_named '^Geh Zu Übung \.\.\.$')
check "Geh Zu Übung opens" [ -n "$dialog" ]
xdotool windowfocus --sync "$dialog" type --delay 80 '23'
xdotool key Return
check "OK closes Geh Zu Übung" closed '^Geh Zu Übung'
xdotool windowfocus --sync "$w"
sleep 0.3
page_shot goto23 "$w"

# Drucken: the typed lines and sixty pasted ones, printed through Qt's print dialog, which
# without a printer writes a PDF file named after the program.
seq -f 'Zeile %g' 60 | xclip -selection clipboard >/dev/null 2>&1
menu "$w" b e
menu "$w" d d
dialog=$(window_named '^Drucken$')
check "Drucken opens the print dialog in German" [ -n "$dialog" ]
xdotool windowfocus --sync "$dialog" key Return
for _ in $(seq 100); do pdfinfo "$work/Tastora.pdf" >/dev/null 2>&1 && break; sleep 0.1; done
check "the printing ends" closed '^Drucken$'
pages=$(pdfinfo "$work/Tastora.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}' || true)
check "Tastora.pdf has two pages (got '$pages')" [ "$pages" = 2 ]
printed=$(pdftotext -l 1 "$work/Tastora.pdf" - 2>/dev/null | head -3 | tr '\n' '~' || true)
check "the first page begins with the typed lines (got '$printed')" \
    [ "$printed" = "jj hh gg ff ff gg hh jj~jjj hhh gxg fff jjj hhx ggg fff jjj hhh ggg ffj~Zeile 1~" ]
check "the second page ends with the last pasted line" \
    [ "$(pdftotext -f 2 "$work/Tastora.pdf" - 2>/dev/null | tr -d '\f' | grep . | tail -1 || true)" = "Zeile 60" ]

# A window smaller than the keyboard: the keys still reach the typing area; back at its size
# the window is drawn as before.
xdotool windowfocus --sync "$w" type '1'   # takes the marks off the page
sleep 0.3
page_shot normal "$w"
size_of() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'; }
size=$(size_of "$w")
xdotool windowsize "$w" 200 150 sleep 0.3 windowfocus --sync "$w" type '23'
sleep 0.3
echo "a window made 200 x 150 is $(size_of "$w")"
check "a small window lives on" running
# shellcheck disable=SC2086
xdotool windowsize "$w" $size
sleep 0.5
page_shot resized "$w"
check "back at its size the window is drawn as before" same normal resized
xdotool windowfocus --sync "$w"
typed=$(typing_area)
check "the keys typed in the small window reach the typing area (got '${typed: -12}')" [ "${typed: -3}" = "123" ]
stop

# A session file: lesson 2, left hand, placed at (40, 30); the caption names the file as the
# file system spells it.
session "$work/Übung-日本.klv" 0 2 1000 40 30 760 560
start "$work/Übung-日本.klv"
w=$(window_named '^Tastora -- Übung-日本.klv$')
check "caption names the session file" [ -n "$w" ]
placed "window at the file's rectangle" "$w" "40 30 760 560"
echo "window of the session file: frame $(frame_rect "$w"), frame extents '$(extents "$w")'"

# Typing on the exercise page: the typing area shows what passes the filter; a held key
# gives one character; Up and Down do not move its caret.
xdotool windowfocus --sync "$w"
xdotool type --delay 80 'jjx'
xdotool keydown h; sleep 0.8; xdotool keyup h
xdotool key Down Up
xdotool type --delay 80 'ä'
sleep 0.3
typed=$(typing_area)
if command -v xclip >/dev/null; then
    check "typing area holds 'jjxhä' (got '$typed')" [ "$typed" = "jjxhä" ]
fi
stop

# Sounds on the exercise page of lesson 2 ("jj hh gg ff ..."), for each mode of the sound
# studio; the disk driver keeps writing (silence too), so what was played is in the file
# a moment later.
session "$work/laut.klv" 0 2 1000 40 30 760 560 1000 0
audible "$work/laut.klv"
xdotool type --delay 40 'jhg'   # h and g are pressed while j is spoken
sleep 1.5
check "spoken keys: j, h, g (heard '$(heard 0 sj sh sg)')" [ "$(heard 0 sj sh sg)" = "sj sh sg" ]
typed=$(typing_area)
check "keys typed while a name is spoken are kept, in order (got '$typed')" [ "$typed" = "jhg" ]
stop
# Each mode: sound studio, error tone, the keys typed, what is heard of the recordings named.
while read -r studio tone keys expected names; do
    session "$work/laut.klv" 0 2 1000 40 30 760 560 "$studio" "$tone"
    audible "$work/laut.klv"
    xdotool type --delay 150 "$keys"
    sleep 1
    # shellcheck disable=SC2086
    heard=$(heard 0 $names)
    check "mode $studio, tone $tone: '$keys' is heard as '${expected//,/ }' (heard '$heard')" \
        [ "$heard" = "${expected//,/ }" ]
    stop
done <<'MODES'
1001 0    jh click,click       click
0    1003 jx autsch            autsch ding
MODES
session "$work/laut.klv" 0 2 1000 40 30 760 560 1002 0
audible "$work/laut.klv"
sleep 2.5   # the line is announced after a second
check "dictation announces the first word (heard '$(heard 0 sj sspc)')" [ "$(heard 0 sj sspc)" = "sj sj sspc" ]
before=$(stat -c %s "$work/audio.raw")
xdotool type --delay 150 'x'
sleep 1
check "dictation names the key to type after a wrong one (heard '$(heard "$before" sj sx)')" \
    [ "$(heard "$before" sj sx)" = "sj" ]
stop
# Without a sound device, one that cannot be opened or one whose writes fail, the keys are
# spoken to nobody and work as ever.
session "$work/laut.klv" 0 2 1000 40 30 760 560 1000 1003
for driver in none disk; do
    SDL_AUDIODRIVER=$driver SDL_DISKAUDIOFILE=/dev/full start "$work/laut.klv"
    w=$(window_named '^Tastora -- laut.klv$')
    xdotool windowfocus --sync "$w" type --delay 80 'jx'
    typed=$(typing_area)
    check "without sound ($driver) the keys are typed (got '$typed')" [ "$typed" = "jx" ]
    stop
done

# Saving: a right-hand session of lesson 7 at font size 1001, in a window moved and resized,
# saved with Speichern Unter and left with Beenden; started again with the file it comes
# back the same: the same window, the same page.
session "$work/lektion7.klv" 1 7 1001 60 40 860 640
start "$work/lektion7.klv"
w=$(window_named '^Tastora -- lektion7.klv$')
xdotool windowmove "$w" 90 70 windowsize "$w" 780 590
sleep 0.5
moved=$(frame_rect "$w")
page_shot before "$w"
menu "$w" d u
dialog=$(window_named '^Speichern unter$')
check "Speichern Unter opens Qt's file dialog in German" [ -n "$dialog" ]
# The dialog opens in the working folder; a short name leaves its completer nothing to offer.
xdotool windowfocus --sync "$dialog" type --delay 40 "gespeichert"
sleep 0.3
xdotool key Return
check "the caption names the saved file" [ -n "$(window_named '^Tastora -- gespeichert.klv$')" ]
menu "$w" d b
for _ in $(seq 50); do gone && break; sleep 0.1; done
check "a saved session ends without a question" gone
stop
check "the file holds the right hand, lesson 7, size 1001 and the window ($moved)" \
    [ "$(record "$work/gespeichert.klv")" = "1 7 1001 25 0 0 $moved" ]
start "$work/gespeichert.klv"
w=$(window_named '^Tastora -- gespeichert.klv$')
placed "started again at the saved rectangle" "$w" "$moved"
sleep 0.3
page_shot after "$w"
check "started again it shows the same page and hand" same before after
stop

# Leaving with unsaved work: the question; Abbruch stays; Ja whose write fails says so and
# stays, so that nothing is lost.
mkdir "$work/weg"
session "$work/weg/kurs.klv" 0 2 1000 40 30 760 560
start "$work/weg/kurs.klv"
w=$(window_named '^Tastora -- kurs.klv$')
xdotool windowfocus --sync "$w" key Down Down Down Down Down
xdotool type --delay 80 'f'   # work on lesson 3
rm -r "$work/weg"
menu "$w" d b
box=$(window_named '^Übung speichern\?$')
check "Beenden with unsaved work asks 'Übung speichern?'" [ -n "$box" ]
xdotool windowfocus --sync "$box" key Escape
sleep 0.3
check "Abbruch keeps the program" running
menu "$w" d b
box=$(window_named '^Übung speichern\?$')
xdotool windowfocus --sync "$box" key Return
error=$(window_named '^WRITE FILE ERROR$')
check "Ja whose write fails shows WRITE FILE ERROR" [ -n "$error" ]
xdotool windowfocus --sync "$error" key Return
sleep 0.3
check "and the program stays open" [ -n "$(xdotool search --onlyvisible --name '^Tastora -- kurs.klv$' || true)" ]
stop

# Lesson 23 from a session file begins on the page Geh Zu Übung showed. The end of the
# course: Down on the last page of lesson 23 shows "Das Ende"; OK returns to that page;
# Escape does not close it.
session "$work/ende.klv" 0 23 1000 5 5 705 505
start "$work/ende.klv"
w=$(window_named '^Tastora -- ende.klv$')
xdotool windowfocus --sync "$w"
sleep 0.3
page_shot lesson23 "$w"
check "Geh Zu Übung 23 shows the first page of lesson 23" same goto23 lesson23
xdotool key Down Down
sleep 0.3
page_shot last "$w"
xdotool key Down
box=$(window_named '^Das Ende$')
check "Down on the last page shows 'Das Ende'" [ -n "$box" ]
xdotool windowfocus --sync "$box" key Escape
sleep 0.3
check "Escape leaves 'Das Ende' open" [ -n "$(xdotool search --onlyvisible --name '^Das Ende$' || true)" ]
xdotool windowfocus --sync "$box" key Return
sleep 0.3
page_shot back "$w"
check "OK returns to the last page" same last back
stop

# A short file, and a FIFO that nobody writes to: READ FILE ERROR, then the program runs as
# without a file.
printf 'short' >"$work/kaputt.klv"
mkfifo "$work/rohr.klv"
for file in kaputt.klv rohr.klv; do
    start "$work/$file"
    box=$(window_named '^READ FILE ERROR$')
    check "READ FILE ERROR is shown for $file" [ -n "$box" ]
    xdotool windowfocus --sync "$box" key Return
    check "then the tutor starts without a file" [ -n "$(window_named '^Tastora$')" ]
    stop
done

# A file asking for a window far larger than the screen gets the whole screen and no more.
session "$work/riesig.klv" 0 2 1000 0 0 100000 100000
start "$work/riesig.klv"
placed "a huge window is shrunk to the screen" "$(window_named '^Tastora -- riesig.klv$')" "0 0 1024 768"
stop

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
