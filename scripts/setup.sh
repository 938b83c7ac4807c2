#!/usr/bin/env bash
# Installs every Debian package that building, testing and running pernoa needs.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build libcups2-dev zlib1g-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    qt6-tools-dev qt6-l10n-tools
    fonts-ipafont-gothic fonts-ipafont-mincho
    lilypond-fonts libfreetype-dev libfontconfig-dev
    cups printer-driver-cups-pdf
    poppler-utils
    clang libclang-rt-14-dev libfuzzer-14-dev clang-format-14
    locales
    desktop-file-utils appstream shared-mime-info
    dpkg-dev help2man lintian
)

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get -o DPkg::Lock::Timeout=600 update -q
    $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
fi
