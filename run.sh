#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in its run folder.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -G Ninja -DZARNOK_TESTS=OFF -DZARNOK_BENCH=OFF >/dev/null
cmake --build build --target zarnok
cd build/run
exec ../zarnok "$@"
