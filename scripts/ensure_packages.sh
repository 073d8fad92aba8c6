#!/usr/bin/env bash
# Installs the Debian packages Molvane needs to build, test and run, but only those that are missing,
# so a second run costs one dpkg query.
set -euo pipefail

# qt6-translations-l10n puts Qt's own dialogs into Japanese; xdg-utils gives the help an opener.
# desktop-file-utils, shared-mime-info and libglib2.0-bin (gio) check the installed menu entry and file
# types in the tests. qt6-svg-dev writes the SVG export; librsvg2-bin (rsvg-convert) and poppler-utils
# (pdftoppm, pdffonts) read the exports back in the tests.
packages=(qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev fonts-noto-cjk xdg-utils libgtest-dev
          libgmock-dev libbenchmark-dev cmake ninja-build g++ pkg-config xvfb desktop-file-utils
          shared-mime-info libglib2.0-bin qt6-svg-dev librsvg2-bin poppler-utils "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
