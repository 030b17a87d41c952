#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package as a static MinGW-w64 library into a prefix
# (default build/libjpeg-mingw). Nothing happens when the prefix already holds the library.
# The source is fetched through a private, temporary sources list and lists directory made from
# the machine's own deb lines, so the machine's apt configuration and state stay untouched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-$root/build/libjpeg-mingw}
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One deb-src line per suite of every deb entry, from one-line and deb822 sources alike.
{
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && uris != "" && enabled != "no") {
                    n = split(suites, s, " ")
                    for (i = 1; i <= n; i++) {
                        opt = signed != "" ? "[signed-by=" signed "] " : ""
                        print "deb-src " opt uris " " s[i] " " components
                    }
                }
                types = uris = suites = components = signed = enabled = ""
            }
            /^[[:space:]]*$/ { flush(); next }
            /^#/ { next }
            { key = tolower($1); sub(/^[^:]*:[[:space:]]*/, "") }
            key == "types:" { types = $0 }
            key == "uris:" { uris = $0 }
            key == "suites:" { suites = $0 }
            key == "components:" { components = $0 }
            key == "signed-by:" { signed = $0 }
            key == "enabled:" { enabled = $0 }
            END { flush() }
        ' "$file"
    done
} >"$work/sources.list"
[ -s "$work/sources.list" ] || { echo "no deb line found in the apt sources" >&2; exit 1; }

mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/src"
apt_options=(
    -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache::Archives="$work/archives"
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root
)
apt-get "${apt_options[@]}" -qq update
(cd "$work/src" && apt-get "${apt_options[@]}" -qq source libjpeg-turbo >/dev/null)
source_dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)

cmake -S "$source_dir" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF >/dev/null
cmake --build "$work/build" -j2 --target jpeg-static >/dev/null

# Only the library and its headers are needed.
mkdir -p "$prefix/lib" "$prefix/include"
cp "$source_dir"/jpeglib.h "$source_dir"/jerror.h "$source_dir"/jmorecfg.h \
    "$work/build/jconfig.h" "$prefix/include/"
cp "$work/build/libjpeg.a" "$prefix/lib/libjpeg.a"
echo "libjpeg-turbo for MinGW-w64 in $prefix"
