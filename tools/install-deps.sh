#!/usr/bin/env bash
# Installs the Debian 12 packages Tastora needs to build (its test programs too), run and
# package (cpack's DEB generator finds the libraries with file and dpkg-shlibdeps); with
# --test also those running the tests needs. Packages already present are not fetched again.
set -euo pipefail

# Qt Charts' CMake files need Qt OpenGL's, which qt6-charts-dev does not pull in; the words of
# free practice are picked from wngerman's dictionary at build time, the common ones
# by how often the German fortunes (fortunes-de) use them.
packages=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-translations-l10n libsdl2-dev
          fonts-liberation2 libgtest-dev dpkg-dev file wngerman fortunes-de qt6-wayland)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xdotool x11-xkb-utils x11-utils xclip imagemagick openbox poppler-utils libglib2.0-bin
               desktop-file-utils appstream shared-mime-info dbus at-spi2-core python3-pyatspi sqlite3
               sway wtype grim)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
