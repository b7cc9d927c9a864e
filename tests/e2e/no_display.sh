#!/usr/bin/env bash
# Started where there is no display (as over ssh), the game says so and ends with an error
# instead of running unseen.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
take_test_arguments "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$run_folder"/. "$work"/

status=0
(cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
    timeout -s KILL "$E2E_TIMEOUT" "$zarnok") 2>"$work/stderr.txt" || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 137 ] ||
    fail "without a display the game did not end with an error (status $status): $(cat "$work/stderr.txt")"
grep -qi "no display" "$work/stderr.txt" ||
    fail "the game did not say that no display was found: $(cat "$work/stderr.txt")"
echo "PASS: no display, said so, status $status"
