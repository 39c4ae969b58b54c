#!/usr/bin/env bash
# End to end: the real program in Xvfb, driven by xdotool and read through the accessibility bus;
# with a window manager named (openbox), under it, so that windows have frames. Each scenario
# starts its own program in a folder of its own; a failed check ends its scenario.
# Usage: e2e.sh PATH/TO/tastora [WINDOW-MANAGER [SCENARIO...]]
set -euo pipefail
# A bus of its own, and a runtime folder of its own for the accessibility bus's socket, so
# that runs side by side do not meet.
if [ -z "${E2E_SESSION_BUS:-}" ]; then
    E2E_RUNTIME=$(mktemp -d) && export E2E_SESSION_BUS=1 E2E_RUNTIME XDG_RUNTIME_DIR=$E2E_RUNTIME
    exec dbus-run-session -- bash "$0" "$@"
fi
program=$(realpath "$1") window_manager=${2:-}
shift $(($# < 2 ? $# : 2))
source "$(dirname "$0")/lib.sh"
sentence="Der Xaver den süßen Jodler singt, Holleraderrüh, dö und dä, er hat's geschafft und alle Übungen vollbracht."
lines=("jj hh gg ff ff gg hh jj" "jjj hhh gxg fff jjj hhx ggg fff jjj hhh ggg ffj")   # lesson 2, three wrong
exercise() { for line in "${lines[@]}"; do xdotool type --delay 40 "$line"; xdotool key Return; done; }

answers() { local code=0; env -u DISPLAY timeout -k 5 10 "$program" "$1" 2>&1 || code=$?; echo "exit $code"; }
options() {   # --help and --version answer on the terminal, without a display to start a GUI on
    local help; help=$(answers --help)
    check "--help shows the German usage and exits 0 ($help)" [ "$(grep -cx 'Aufruf: tastora \[DATEI.klv\]\|exit 0' <<<"$help")" = 2 ]
    check "--version shows the version and exits 0" [ "$(answers --version | grep -cxE 'Tastora [0-9]+(\.[0-9]+)+|exit 0')" = 2 ]
}

under_way() { local t; t=$(typed); [ -n "$t" ] && [ "${sentence#"$t"}" != "$sentence" ] && echo yes; }
start_screen() {   # a fresh start: the window, the demonstration, the pages
    begin
    placed "a fresh window is 700 x 500 at (5, 5)" "$w" "5 5 705 505"
    patience=150 expect "the demonstration types the sentence and a line break" "$sentence~" typed
    steady start "$w"
    xdotool key ctrl+v Down   # nothing owns the clipboard: nothing is pasted
    expect "Down shows another page" other against start "$w"
    xdotool key Up
    expect "Up returns to the same page" same against start "$w"
}

cut_short() { local t; t=$(typed); sleep 1; [ "$(typed)" = "$t" ] && [ "$t" != "$sentence~" ] && echo yes; }
lesson() {   # the demonstration cut short, lesson 1 to its key trial, statistics, saved and read again
    begin
    expect "the demonstration types a part of the sentence" yes under_way
    xdotool key Down
    expect "Down ends the demonstration" yes cut_short
    xdotool key Down Down Down Down type --delay 80 jhgf   # lesson 1 to its key trial, which leads on
    xdotool key Return                                     # to the exercise page of lesson 2
    steady lesson2 "$w"
    statistics "the key trial is not counted" "$w" "0 0 0%"
    exercise
    statistics "70 keys typed, 3 wrong: 95%" "$w" "70 3 95%"
    save_as "$w" lektion2
    quit
    check "the file holds the left hand, lesson 2 and the window" [ "$(probe record lektion2.klv)" = "0 2 1000 20 0 0 5 5 705 505" ]
    begin lektion2.klv
    expect "the saved session opens on the exercise page of lesson 2" same against lesson2 "$w"
    statistics "read again, the statistics start afresh" "$w" "0 0 0%"
}

print() {   # the typed lines and sixty pasted ones; without a printer the print dialog writes Tastora.pdf
    begin druck.klv 0 2 1000 5 5 705 505
    exercise
    seq -f 'Zeile %g' 60 | timeout -k 5 60 xclip -selection clipboard >/dev/null 2>&1
    expect "xclip holds the lines" "Zeile 60" eval 'timeout 5 xclip -o -selection clipboard | tail -1'
    menu "$w" b e
    menu "$w" d d
    answer '^Drucken$' Return
    expect "Tastora.pdf has two pages" 2 eval "pdfinfo Tastora.pdf | awk '/^Pages:/ {print \$2}'"
    check "the first page begins with the typed lines" [ "$(pdftotext -l 1 Tastora.pdf - | head -3)" = "$(printf '%s\n' "${lines[@]}")"$'\nZeile 1' ]
    check "the second page ends with the last pasted line" [ "$(pdftotext -f 2 Tastora.pdf - | tr -d '\f' | grep . | tail -1)" = "Zeile 60" ]
}

small_window() {   # the keys reach the typing area of a window smaller than the keyboard
    begin klein.klv 0 23 1000 5 5 705 505
    xdotool type '1'   # takes the marks off the page
    steady normal "$w"
    local size; size=$(xwininfo -id "$w" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
    xdotool windowsize --sync "$w" 200 150 windowfocus --sync "$w" type '23'
    expect "the keys typed in the small window reach the typing area" 123 typed
    xdotool windowsize --sync "$w" "${size% *}" "${size#* }"
    expect "back at its size the window is drawn as before" same against normal "$w"
}

typing() {   # a session file with an unusual name; what passes the typing area's filter
    begin Übung-日本.klv 0 2 1000 40 30 760 560
    placed "the window is at the file's rectangle" "$w" "40 30 760 560"
    xdotool type --delay 80 'jjx'
    xdotool keydown h sleep 0.8 keyup h key Down Up type 'ä'   # a held key gives one character
    expect "the typing area shows what passes its filter" jjxhä typed
}

sounds() {   # the sound modes on the exercise page of lesson 2, "jj hh gg ff ..."
    audible laut.klv 0 2 1000 40 30 760 560 1000 0
    xdotool type --delay 40 'jhg'   # h and g are pressed while j is spoken
    expect "keys are spoken" "sj sh sg" heard 0 sj sh sg
    expect "keys typed while a name is spoken are kept, in order" jhg typed
    local studio tone keys expected names
    while read -r studio tone keys expected names; do   # studio, tone, keys, what is heard of the names
        stop
        audible laut.klv 0 2 1000 40 30 760 560 "$studio" "$tone"
        xdotool type --delay 150 "$keys"
        expect "mode $studio, tone $tone: '$keys'" "${expected//,/ }" heard 0 $names
    done <<<"1001 0 jh click,click click
             0 1003 jx autsch autsch ding"
    stop
    audible laut.klv 0 2 1000 40 30 760 560 1002 0
    expect "dictation announces the first word" "sj sj sspc" heard 0 sj sspc
    local before; before=$(stat -c %s audio.raw)
    xdotool type 'x'
    expect "dictation names the key to type after a wrong one" sj heard "$before" sj sx
    for driver in none disk; do   # no sound device, or one whose writes fail: the keys work as ever
        stop
        SDL_AUDIODRIVER=$driver SDL_DISKAUDIOFILE=/dev/full begin laut.klv 0 2 1000 40 30 760 560 1000 1003
        xdotool type --delay 80 'jx'
        expect "without sound ($driver) the keys are typed" jx typed
    done
}

saved() {   # a right-hand session moved, resized and saved comes back the same
    begin lektion7.klv 1 7 1001 60 40 860 640
    xdotool windowmove --sync "$w" 90 70 windowsize --sync "$w" 780 590
    steady before "$w"
    local moved; moved=$(frame_rect "$w")
    save_as "$w" gespeichert
    quit   # a saved session ends without a question
    check "the file holds the right hand, lesson 7, size 1001 and the window" [ "$(probe record gespeichert.klv)" = "1 7 1001 25 0 0 $moved" ]
    begin gespeichert.klv
    placed "started again at the saved rectangle" "$w" "$moved"
    expect "started again it shows the same page and hand" same against before "$w"
}

unsaved() {   # leaving with unsaved work whose write fails: nothing is lost
    mkdir weg
    begin weg/kurs.klv 0 2 1000 40 30 760 560
    xdotool key Down Down Down Down Down type 'f'   # work on lesson 3
    rm -r weg
    menu "$w" d b
    answer '^Übung speichern\?$' Escape   # Abbruch
    menu "$w" d b
    answer '^Übung speichern\?$' Return   # Ja
    answer '^WRITE FILE ERROR$' Return
    menu "$w" l g   # the program is still there
    answer '^Geh Zu Übung' Escape
}

goto_and_end() {   # Geh Zu Übung 23, and the end of the course
    begin zwei.klv 0 2 1000 5 5 705 505
    menu "$w" l g   # the lesson is selected, so "23" replaces it
    xdotool windowfocus --sync "$(window '^Geh Zu Übung \.\.\.$')" type --delay 80 '23'
    answer '^Geh Zu Übung' Return
    xdotool windowfocus --sync "$w"
    steady goto23 "$w"
    stop
    begin ende.klv 0 23 1000 5 5 705 505
    expect "Geh Zu Übung 23 shows the first page of lesson 23" same against goto23 "$w"
    xdotool key Down Down
    steady last "$w"
    xdotool key Down
    xdotool windowfocus --sync "$(window '^Das Ende$')" key Escape sleep 0.5
    check "Escape leaves 'Das Ende' open" [ -n "$(shown '^Das Ende$')" ]
    answer '^Das Ende$' Return
    expect "OK returns to the last page" same against last "$w"
}

bad_files() {   # a short file and a FIFO nobody writes to: READ FILE ERROR, then no file
    printf 'short' >kaputt.klv && mkfifo rohr.klv
    for file in kaputt.klv rohr.klv; do
        start "$file"
        answer '^READ FILE ERROR$' Return
        window '^Tastora$' >/dev/null
        stop
    done
    begin riesig.klv 0 2 1000 0 0 100000 100000   # a window far larger than the screen
    placed "a huge window gets the whole screen" "$w" "0 0 1024 768"
}

focus_after_dialog() {   # without a window manager too, the course has the keyboard once a
    begin zwei.klv 0 2 1000 5 5 705 505   # dialog closes
    xdotool mousemove 1000 750   # keys sent to nobody would go to the window under the pointer
    menu "$w" l g
    answer '^Geh Zu Übung' Return
    xdotool type j
    expect "the key after the dialog reaches the course" j typed
}

status() { probe texts '^Tastora' label | grep '^Zeile\|^Letzte' | sed 's/[0-9]* Anschläge/N Anschläge/g'; }
stored() {   # hand, lesson, line, keystrokes and errors of the lines kept; the wrong keys with what was typed
    local db=$HOME/.local/share/tastora/verlauf.sqlite
    echo $(sqlite3 "$db" 'select left_hand, lesson, line, keystrokes, errors from lines order by id') \
        $(sqlite3 "$db" 'select char(expected) || char(typed) || count from typed_instead order by line_id, expected')
}
progress() {   # two lines with known mistakes: the status bar, the lines kept, the Fortschritt window
    begin verlauf.klv 0 2 1000 5 5 705 505
    expect "the status bar before any key" "Zeile: noch kein Anschlag   Übung 2: noch kein Anschlag" status
    exercise
    expect "the status bar shows the lesson so far" "Zeile: noch kein Anschlag   Übung 2: N Anschläge/Min., 3 Fehler, 95 %" status
    expect "both lines are kept, with the keys typed instead" "1|2|0|23|0 1|2|1|47|3 fj1 gx1 hx1" stored
    xdotool key Up
    expect "elsewhere the status bar shows the last line" "Letzte Zeile: N Anschläge/Min., 3 Fehler, 93 %" status
    menu "$w" l f
    xdotool windowfocus --sync "$(window '^Fortschritt – linke Hand$')"
    expect "Fortschritt shows lesson 2's lines and accuracy" "2 2 95 %" eval \
        "probe texts '^Fortschritt' 'table cell' | head -5 | sed -n '1p;2p;4p' | tr '\n' ' ' | sed 's/ $//'"
    # Without a mouse: the arrow keys tell each key's figures, Tab walks the window, Escape closes it.
    expect "the keyboard picture has the focus and tells a key" "Fehler je Taste: f: 13 Anschläge, 7 % Fehler, oft stattdessen: j" \
        probe focused '^Fortschritt'
    xdotool key Right
    expect "Right tells the next key" "Fehler je Taste: g: 13 Anschläge, 7 % Fehler, oft stattdessen: x" probe focused '^Fortschritt'
    for name in Übungen Exportieren... Zurücksetzen Schließen; do
        xdotool key Tab
        expect "Tab goes on to $name" "$name" probe focused '^Fortschritt'
    done
    xdotool key Escape
    closed '^Fortschritt'
}

shortcuts() {   # the usual shortcuts open what their menu items open, and none of them is typed
    begin kurz.klv 0 2 1000 5 5 705 505
    xdotool type jj
    xdotool key ctrl+o
    answer '^Öffnen$' Escape
    xdotool windowfocus --sync "$w" key F1
    answer '^Inhaltsverzeichnis - Linke Hand$' Escape
    xdotool windowfocus --sync "$w" key ctrl+shift+s
    answer '^Speichern unter$' Escape
    xdotool windowfocus --sync "$w" type h
    expect "the shortcuts are not typed" jjh typed
}

practice() {   # Freies Üben, and a text of one's own from the clipboard; both lead back to the course
    begin frei.klv 0 8 1000 5 5 705 505
    steady start "$w"
    menu "$w" l b
    expect "Freies Üben shows its page" other against start "$w"
    expect "Freies Üben is typed like an exercise" "Zeile: noch kein Anschlag   Übung 8: noch kein Anschlag" status
    xdotool key Down
    expect "Down goes back to the course page" "" status
    steady course "$w"   # as the page was, its new keys no longer marked
    printf 'Die Mühle – „ja“ €' | timeout -k 5 60 xclip -selection clipboard >/dev/null 2>&1
    menu "$w" l t
    xdotool windowfocus --sync "$(window '^Eigener Text$')" key alt+z
    expect "what cannot be typed is named" "ausgelassen: „“€" eval "probe texts '^Eigener Text$' label | grep -o 'ausgelassen: .*'"
    answer '^Eigener Text$' Return
    xdotool windowfocus --sync "$w" type --delay 60 'Die Mühle - ja'
    xdotool key Return
    expect "the text's one line typed, the course page is back" same against course "$w"
    expect "typed without a mistake" "Letzte Zeile: N Anschläge/Min., 0 Fehler, 100 %" status
}

other_layout() {   # a German keyboard set to the American layout: ö gives ";", and a notice says so once
    trap 'stop; timeout 20 setxkbmap de' EXIT
    begin us.klv 0 10 1000 5 5 705 505
    xdotool key Down   # the exercise "lö lö öl ..."
    timeout 20 setxkbmap us
    xdotool type --delay 80 'l; l;'
    expect "a notice names the German layout" yes eval "probe texts '^Tastaturbelegung$' label | grep -q 'braucht die deutsche Tastaturbelegung' && echo yes"
    answer '^Tastaturbelegung$' Return
    xdotool windowfocus --sync "$w" type --delay 80 ' l; l;'
    sleep 1
    check "the notice comes once a run" [ -z "$(shown '^Tastaturbelegung$')" ]
}

settings_by_keys() {   # the settings sheet without a mouse: a choice by the arrows, a page by Ctrl+Tab, OK by Return
    begin tasten.klv 0 2 1000 5 5 705 505
    xdotool key alt+l Down Down Down Return   # Einstellungen..., which has no underlined letter
    xdotool windowfocus --sync "$(window '^Persönliche Einstellungen Tastora$')"
    expect "the sheet opens on the font sizes, the one in use focused" "Standard Größe" probe focused '^Persönliche'
    xdotool key Up
    expect "Up chooses the next size" "Mittlere Größe" probe focused '^Persönliche'
    xdotool key ctrl+Tab
    expect "Ctrl+Tab shows the sounds, its switch focused" "Tonunterlegung während der" probe focused '^Persönliche'
    xdotool key Return
    closed '^Persönliche'
    xdotool windowfocus --sync "$w" key ctrl+s
    expect "Return took the size, and Strg+S saved it" "0 2 1001 25" eval "probe record tasten.klv | cut -d' ' -f1-4"
}

reader() {   # a screen reader reads the page: its lines, the exercise caret, another page
    begin seite.klv 0 2 1000 5 5 705 505
    local start instructions="Ihr Zeigefinger tippt 'Enter' und die~Rücktaste. Mit ihr geht es ein Zeichen zurück.~Am Ende der Zeile drücken Sie 'Enter'."
    expect "the page reads the instructions, then the exercise line" "$instructions~${lines[0]}" probe page '^Tastora'
    start=$(probe caret '^Tastora')
    check "the caret is at the start of the exercise line ($start)" [ "${start#* }" = "${lines[0]}" ]
    probe events 3 15 >told & local listener=$! caret=${start%% *}
    expect "a listener hears what the page tells" ready eval 'head -1 told'
    xdotool type --delay 80 jj
    expect "two keys move the caret by two" "$((caret + 2)) ${lines[0]#jj}" probe caret '^Tastora'
    xdotool key Down
    expect "Down reads the next page" "Gut gemacht! Als Nächstes kommt Übung 3." eval "probe page '^Tastora' | cut -d~ -f1"
    wait $listener || true
    check "the listener heard each key's caret, then the new page ($(echo $(cat told)))" \
        [ "$(echo $(sed '1d; s/^text [1-9][0-9]*$/text/' told))" = "caret $((caret + 1)) caret $((caret + 2)) text" ]
}

[ $# -gt 0 ] || set -- options start_screen lesson print small_window typing sounds saved unsaved goto_and_end bad_files \
    focus_after_dialog progress reader shortcuts settings_by_keys practice other_layout
failed=0
set +e
for scenario in "$@"; do   # in a subshell, which a failed check or command ends
    mkdir "$work/$scenario"
    (set -e; cd "$work/$scenario"; export HOME=$work/$scenario; trap stop EXIT; "$scenario")   # keeps its own settings and history
    if [ $? = 0 ]; then echo "ok: $scenario"; else failed=$((failed + 1)); fi
done
echo "$failed of $# scenarios failed"
[ $failed = 0 ]
