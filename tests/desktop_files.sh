#!/usr/bin/env bash
# The files installed for the desktop are valid: the desktop entry, the AppStream metainfo
# and the MIME type of session files, which makes *.klv (in any case) a Tastora session.
# A validator that is missing fails the test (tools/install-deps.sh --test installs them).
# Usage: desktop_files.sh resources/desktop
set -euo pipefail
dir=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

# desktop-file-validate exits 0 on warnings and hints: any word from it is a fault.
out=$(desktop-file-validate "$dir/tastora.desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'MimeType=application/x-tastora-session;' "$dir/tastora.desktop" || fail "the desktop entry lacks the session type"

# --pedantic --strict: even a hint fails.
appstreamcli validate --no-net --pedantic --strict "$dir"/*.metainfo.xml || fail "appstreamcli validate"

# The MIME database built from our type alone knows the pattern and the icon.
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir "$mime/packages"
cp "$dir/tastora-mime.xml" "$mime/packages/"
XDG_DATA_DIRS="$mime" update-mime-database "$mime" >"$mime/log" 2>&1 || fail "update-mime-database: $(cat "$mime/log")"
grep -q '^50:application/x-tastora-session:\*\.klv$' "$mime/globs2" && ! grep -q ':cs$' "$mime/globs2" ||
    fail "no case-insensitive *.klv glob: $(cat "$mime/globs2")"
grep -qx 'application/x-tastora-session:application-x-tastora-session' "$mime/generic-icons" ||
    fail "no icon for the session type"
grep -q 'Tastora-Sitzung' "$mime/application/x-tastora-session.xml" || fail "no German comment"

[ "$failures" = 0 ] && echo "desktop files valid"
exit $((failures > 0))
