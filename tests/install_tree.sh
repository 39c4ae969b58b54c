#!/usr/bin/env bash
# cmake --install puts every file where the desktop looks for it: the program and its history module, the desktop entry,
# the MIME type, the metainfo and both icons in every size of the icon theme; the manual page and
# the package's documents where man and Debian look for them; those that name a version name VERSION.
# Usage: install_tree.sh CMAKE BUILD_DIR VERSION ICON_SIZE...
set -euo pipefail
root=$(mktemp -d) failures=0 version=$3 sizes=("${@:4}")
trap 'rm -rf "$root"' EXIT
"$1" --install "$2" --prefix "$root/usr" >/dev/null
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -x "$root/usr/bin/tastora" ] || fail "no program in bin"
# The history module, where the program looks for it: the library folder beside bin.
[ "$(find "$root/usr" -path '*/lib*/tastora/libtastora_history.so' | wc -l)" = 1 ] || fail "no history module"
for file in applications/tastora.desktop mime/packages/tastora.xml metainfo/io.tastora.tastora.metainfo.xml doc/tastora/copyright; do
    [ -s "$root/usr/share/$file" ] || fail "no share/$file"
done
zgrep -qF "\"Tastora $version\"" "$root/usr/share/man/man1/tastora.1.gz" || fail "no manual page with the version"
[[ "$(zcat "$root/usr/share/doc/tastora/changelog.Debian.gz" | head -1)" == "tastora ($version-"* ]] || fail "no changelog of $version"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/io.tastora.tastora.metainfo.xml" || fail "no release $version in the metainfo"
for size in "${sizes[@]}"; do
    for icon in apps/tastora mimetypes/application-x-tastora-session; do
        file=$root/usr/share/icons/hicolor/${size}x${size}/$icon.png
        got=$(identify -format '%wx%h %[channels]' "$file" 2>/dev/null || true)
        [ "$got" = "${size}x$size srgba" ] || fail "$icon at $size: '$got'"
    done
done
[ "$(find "$root" -type f | wc -l)" = $((8 + 2 * ${#sizes[@]})) ] || fail "unexpected files: $(find "$root" -type f)"
# The desktop opens a session file with the program, as it asks GLib: its type is known by the
# name (an empty file would be plain text), and the installed program is the one that opens it.
share=$root/usr/share
update-desktop-database "$share/applications"
update-mime-database "$share/mime" >/dev/null
printf 'TASTORA' >"$root/kurs.KLV"
export XDG_DATA_DIRS=$share XDG_DATA_HOME=$root/home GIO_USE_VFS=local LC_ALL=C PATH=$root/usr/bin:$PATH
gio info -a standard::content-type "$root/kurs.KLV" | grep ' application/x-tastora-session$' >/dev/null || fail "*.KLV has no type"
gio mime application/x-tastora-session | grep '^Default .*: tastora.desktop$' >/dev/null || fail "not opened by Tastora"
[ "$failures" = 0 ] && echo "${#sizes[@]} icon sizes installed; session files open with tastora.desktop"
exit $((failures > 0))
