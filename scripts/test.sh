#!/usr/bin/env bash
# Builds both presets and runs every test: native unit tests, then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in host win64; do
    echo "== $preset: configure and build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
done

echo "== host: tests"
ctest --preset host

echo "== win64: tests under Wine"
source scripts/wine-prefix.sh
quillora_prepare_prefix
ctest --preset win64
