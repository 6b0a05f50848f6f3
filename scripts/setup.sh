#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail

packages=(g++ cmake ninja-build ccache clang clang-format libclang-rt-14-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xclip
          desktop-file-utils appstream dpkg-dev fakeroot lintian libsodium-dev
          qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev fonts-dejavu-core poppler-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
