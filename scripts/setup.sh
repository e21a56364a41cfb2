#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need and that are
# not installed yet. Nothing is fetched from anywhere else.
set -euo pipefail

packages=(
    cmake g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev qt6-multimedia-dev qt6-5compat-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libprotobuf-dev protobuf-compiler
    libavcodec-dev libavformat-dev libavutil-dev libswscale-dev
    libboost-thread-dev libboost-system-dev libboost-chrono-dev libboost-date-time-dev
    libgtest-dev libbenchmark-dev
    libgl1-mesa-dri libgl-dev libxcb1-dev xvfb xauth xdotool pulseaudio fonts-dejavu-core
    fonts-noto-cjk qt6-translations-l10n
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
