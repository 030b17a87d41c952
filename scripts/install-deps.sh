#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. As root it runs apt-get;
# otherwise it prints the exact command and fails.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    libgtest-dev libgmock-dev googletest libbenchmark-dev libjpeg62-turbo-dev
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
    wine wine64 fonts-wine xvfb xdotool x11-utils fonts-wqy-microhei imagemagick
    dpkg-dev nasm
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

command=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && ${command[*]}" >&2
    exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive "${command[@]}"
