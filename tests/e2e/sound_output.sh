#!/usr/bin/env bash
# Sound reaches the sound card: OpenAL Soft's wave backend writes what a card would play into a
# file. After hosting a game from the menus, that file holds samples, not just its header.
set -euo pipefail
zarnok=$(realpath "$1")
run_folder=$2
here=$(dirname "$(realpath "$0")")
source "$here/net_common.bash"

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
window=$(wait_window "$pid") || { echo "FAIL: no game window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2

click_at 0 0.15          # main menu: new game
click_at -0.35 0.025     # first available map
click_at 0 0.01          # ">>" adds it to the rotation
click_at 0.35 -0.41      # "Start game"
sleep 3
close_game "$pid" || { echo "FAIL: the game did not close on request"; exit 1; }
pid=""

if [ ! -f "$wave" ]; then
    echo "FAIL: no sound device was opened (OpenAL wrote no $wave)"
    exit 1
fi
# A canonical WAV header is 44 bytes; everything after it is what was played.
size=$(stat -c %s "$wave")
if [ "$size" -le 44 ]; then
    echo "FAIL: the sound card file holds only its header ($size bytes)"
    exit 1
fi
echo "PASS: the game played $((size - 44)) bytes of sound"
