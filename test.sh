#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the headless suite, GL and end-to-end tests under Xvfb, the same suite under ASan+UBSan,
# and a short run of every fuzz target over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
# The folders of src/ stay layered: no include cycle, no SDL/GL/AL in the headless core.
./tools/check-layers
./tools/install-deps.sh --test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DZARNOK_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
# -noreset: an X server resets when its last client leaves, and a game that connects in that
# same moment loses its display: it then never shows a window and renders for minutes.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build --output-on-failure -j 1

# The headless suite again with the sanitizers.
cmake -S . -B build-asan -G Ninja -DZARNOK_WERROR=ON -DZARNOK_SANITIZE=ON -DZARNOK_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j "$jobs" --target zarnok_tests
ASAN_OPTIONS=detect_leaks=1 ./build-asan/tests/zarnok_tests --gtest_brief=1

# Fuzz targets: replay the seed corpus, then a few seconds of fresh inputs each.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZARNOK_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  corpus=fuzz/corpus/$name
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  "$target" -max_total_time="${FUZZ_SECONDS:-5}" -print_final_stats=0 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
echo "All tests passed."
