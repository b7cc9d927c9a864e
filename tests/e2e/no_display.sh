#!/usr/bin/env bash
# Started where there is no display (as over ssh), the game says so and ends with an error
# instead of running unseen.
set -euo pipefail
zarnok=$(realpath "$1")
run_folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$run_folder"/. "$work"/

status=0
(cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
    timeout -s KILL 30 "$zarnok") 2>"$work/stderr.txt" || status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 137 ]; then
    echo "FAIL: without a display the game did not end with an error (status $status)"
    cat "$work/stderr.txt"
    exit 1
fi
if ! grep -qi "no display" "$work/stderr.txt"; then
    echo "FAIL: the game did not say that no display was found:"
    cat "$work/stderr.txt"
    exit 1
fi
echo "PASS: no display, said so, status $status"
