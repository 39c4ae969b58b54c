#!/usr/bin/env bash
# Installs the Debian package on a clean Debian 12 root and tries it there: apt resolves its
# dependencies from the archive, --version answers, the window maps under Xvfb and session
# files open in Tastora. Needs root, debootstrap, lintian and the package archive (the
# mirror of this machine's apt sources, or MIRROR=URL). Too slow for the tests; the clean
# root and the downloaded packages are kept in build/check-package for the next run.
# Usage: tools/check-package.sh [tastora_*.deb]   (without one it builds the package)
# The functions run through step, which shellcheck cannot see; '$(...)' are formats.
# shellcheck disable=SC2317,SC2016
set -euo pipefail
started=$SECONDS
src=$(realpath "$(dirname "$0")/..")
cache=$src/build/check-package
log=$cache/log
limit() { timeout -k 10 "$@"; }   # limit SECONDS COMMAND...
[[ $(id -u) == 0 ]] || { echo "check-package.sh must run as root" >&2; exit 1; }
for tool in debootstrap lintian; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

if [[ $# -gt 0 ]]; then
    deb=$(realpath "$1")
else
    limit 120 cmake -S "$src" -B "$src/build" >/dev/null
    limit 3600 cmake --build "$src/build" -j2 >/dev/null
    rm -f "$src"/build/tastora_*.deb
    (cd "$src/build" && limit 300 cpack -G DEB >/dev/null 2>&1)
    deb=$(echo "$src"/build/tastora_*.deb)
fi

mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk '$2 == "bookworm" {print $1; exit}')}
[[ -n $mirror ]] || { echo "no bookworm in this machine's apt sources: set MIRROR" >&2; exit 1; }

# The work root is the clean root under an overlay, so that the clean one stays clean.
base=$cache/bookworm
run=$cache/run
root=$run/root
mkdir -p "$cache/archives/partial"
: >"$log"
umount -R "$root" 2>/dev/null || true
mountpoint -q "$root" && { echo "$root is still mounted" >&2; exit 1; }
rm -rf "$run"
mkdir -p "$run/upper" "$run/work" "$root"
trap 'umount -R "$root" 2>/dev/null || true' EXIT

inroot() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
apt_in_root() { inroot DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 "$@" >>"$log"; }
answer() {   # answer EXPECTED COMMAND...: prints the command's answer, fails unless expected
    local got
    got=$("${@:2}")
    [[ $got == "$1" ]] || { echo "$got, expected $1"; return 1; }
    echo "$got"
}
packages() { inroot dpkg-query -W -f '${Status}\n' | grep -c ' installed$'; }

lintian_tags() {
    local tags
    tags=$(lintian "$deb" | tee -a "$log" | awk '{print $1 $3}' | paste -sd' ')
    echo "${tags:-no tags}"
}
make_root() {
    [[ -e $base.done ]] && { echo "cached"; return; }
    rm -rf "$base"
    debootstrap --variant=minbase bookworm "$base" "$mirror" >>"$log"
    touch "$base.done"
    echo "made"
}
mount_root() {
    mount -t overlay overlay -o "lowerdir=$base,upperdir=$run/upper,workdir=$run/work" "$root"
    mount -t proc proc "$root/proc"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    cp /etc/resolv.conf "$root/etc/"
    cp "$deb" "$root/tmp/"
    touch "$root/tmp/kurs.klv"
    apt_in_root update
    echo "ok"
}
install_package() {
    local before size
    before=$(packages)
    size=$(du -sm "$run/upper" | cut -f1)
    apt_in_root install --no-install-recommends "/tmp/$(basename "$deb")"
    echo "ok: $(($(packages) - before)) packages, $(($(du -sm "$run/upper" | cut -f1) - size)) MB"
}
window_maps() {
    inroot bash -s <<'EOF'
set -euo pipefail
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>/tmp/display 2>/tmp/xvfb.log &
xvfb=$! tutor=
trap 'kill $tutor $xvfb 2>/dev/null || true' EXIT
trap 'exit 1' TERM
for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 /tmp/display)"
tastora >/tmp/tastora.log 2>&1 & tutor=$!
for _ in $(seq 300); do
    if info=$(xwininfo -name Tastora 2>/dev/null) && grep -q IsViewable <<<"$info"; then
        awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print "yes, " w "x" h}' <<<"$info"
        exit 0
    fi
    sleep 0.1
done
exit 1
EOF
}

# Each step is a command or one of the functions above, run by a shell of its own under a
# time limit; the table gets the last line it prints. After a failure the rest is skipped.
export deb log cache base run root mirror
export -f inroot apt_in_root answer packages lintian_tags make_root mount_root install_package window_maps
rows=()
failed=0
step() {   # step NAME SECONDS COMMAND...
    local name=$1 seconds=$2 begun=$SECONDS out=skipped
    shift 2
    echo "== $name" >>"$log"
    if [[ $failed == 0 ]]; then
        if out=$(limit "$seconds" bash -c 'set -euo pipefail; "$@"' _ "$@" 2>>"$log"); then
            out=$(tail -1 <<<"$out")
            out=${out:-ok}
        else
            out="FAILED: $(tail -1 <<<"${out:-see $log}")"
            failed=1
        fi
    fi
    rows+=("$(printf '%-24s %-44s %4ss' "$name" "$out" $((SECONDS - begun)))")
}
step "lintian" 300 lintian_tags
step "Debian 12 root" 1800 make_root
step "mount, apt-get update" 300 mount_root
step "install the package" 1200 install_package
version=$(dpkg-deb -f "$deb" Version)
step "tastora --version" 30 answer "Tastora ${version%-*}" inroot tastora --version
step "install the check tools" 1200 apt_in_root install --no-install-recommends xvfb x11-utils xdg-utils \
    desktop-file-utils shared-mime-info libfile-mimeinfo-perl
step "window mapped" 60 window_maps
step "xdg-mime default" 30 answer tastora.desktop inroot xdg-mime query default application/x-tastora-session
step "xdg-mime kurs.klv" 30 answer application/x-tastora-session inroot xdg-mime query filetype /tmp/kurs.klv

printf '%s\n' "${rows[@]}"
echo ".deb: $(basename "$deb"), $(($(stat -c %s "$deb") / 1024)) KiB; installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "took $((SECONDS - started)) s"
exit "$failed"
