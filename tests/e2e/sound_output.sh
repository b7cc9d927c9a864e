#!/usr/bin/env bash
# Sound reaches the sound card: OpenAL Soft's wave backend writes what a card would play into a
# file. After hosting a game from the menus, that file holds samples, not just its header.
set -euo pipefail
zarnok=$(realpath "$1")
run_folder=$2
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"

require_netns
work=$(mktemp -d)
NAMESPACES=()
pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    cleanup_netns
    rm -rf "$work"
}
trap cleanup EXIT

cp -r "$run_folder"/. "$work"/
wave="$work/card.wav"
printf '[wave]\nfile=%s\nsample-type=int16\n' "$wave" >"$work/alsoft.conf"
make_netns "zk_sound_$$"
(cd "$work" && exec env ALSOFT_DRIVERS=wave ALSOFT_CONF="$work/alsoft.conf" \
    ip netns exec "zk_sound_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || fail "no game window"
xdotool windowfocus "$window" 2>/dev/null || true
host_from_menus "$work"
[ -f "$wave" ] || fail "no sound device was opened (OpenAL wrote no $wave)"
# A canonical WAV header is 44 bytes; everything after it is what was played.
played() { [ "$(stat -c %s "$wave")" -gt 44 ]; }
poll played || fail "the sound card file holds only its header"
close_game "$pid" || fail "the game did not close on request"
pid=""
size=$(stat -c %s "$wave")
echo "PASS: the game played $((size - 44)) bytes of sound"
