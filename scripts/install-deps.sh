#!/usr/bin/env bash
# Installs the Debian packages the editor and its tests need. Quiet and quick
# when everything is already present; run as root (or through sudo).
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang
    qt6-base-dev qt6-base-dev-tools qt6-5compat-dev libqt6core5compat6
    qt6-qpa-plugins libgl-dev
    xvfb xauth x11-utils xdotool
    libbenchmark-dev
    desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
    dpkg-dev file lintian man-db bash-completion
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
