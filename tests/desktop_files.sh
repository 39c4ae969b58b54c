#!/usr/bin/env bash
# The files installed for the desktop are valid: the desktop entry, the AppStream metainfo and the
# MIME type, which makes *.klv (in any case) a Tastora session. A missing validator fails.
# Usage: desktop_files.sh DIR (the build's desktop folder, where the metainfo has its version)
set -euo pipefail
dir=$1 failures=0 mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# desktop-file-validate exits 0 on warnings and hints: any word from it is a fault.
out=$(desktop-file-validate "$dir/tastora.desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'MimeType=application/x-tastora-session;' "$dir/tastora.desktop" || fail "the desktop entry lacks the session type"
appstreamcli validate --no-net --pedantic --strict "$dir"/*.metainfo.xml || fail "appstreamcli validate"   # even a hint fails
# The MIME database built from our type alone knows the pattern and the icon.
mkdir "$mime/packages"
cp "$dir/tastora-mime.xml" "$mime/packages/"
XDG_DATA_DIRS="$mime" update-mime-database "$mime" >"$mime/log" 2>&1 || fail "update-mime-database: $(cat "$mime/log")"
grep -qx '50:application/x-tastora-session:\*\.klv' "$mime/globs2" || fail "no case-insensitive *.klv glob: $(cat "$mime/globs2")"
grep -qx 'application/x-tastora-session:application-x-tastora-session' "$mime/generic-icons" || fail "no icon for the type"
grep -q 'Tastora-Sitzung' "$mime/application/x-tastora-session.xml" || fail "no German comment"
[ "$failures" = 0 ] && echo "desktop files valid"
exit $((failures > 0))
