#!/usr/bin/env bash
# Moving in a hosted game: after "Start game", holding W walks the player and Space makes it jump.
# Both views follow the player, so the arena slides across the screen when it walks and sinks
# in the side view when it jumps, while a player left alone sees a still picture. The game runs
# in a network namespace of its own, so its broadcasts stay there.
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

# Share of the pixels (percent) in which two screenshots, or their side-view halves, differ.
differing_percent() {
    local a=$1 b=$2 crop=${3:-100%x100%}
    local pixels total
    convert "$a" -crop "$crop+0+0" +repage "$work/first.png"
    convert "$b" -crop "$crop+0+0" +repage "$work/second.png"
    pixels=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)
    total=$(convert "$work/first.png" -format "%[fx:w*h]" info:)
    awk -v p="${pixels%% *}" -v t="$total" 'BEGIN { printf "%d", 100 * p / t }'
}

cp -r "$run_folder"/. "$work"/
make_netns "zk_move_$$"
(cd "$work" && exec ip netns exec "zk_move_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || { echo "FAIL: no game window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2
click_at 0 0.15          # main menu: new game
click_at -0.35 0.025     # first available map
click_at 0 0.01          # ">>" adds it to the rotation
click_at 0.35 -0.41      # "Start game"
sleep 4

import -window root "$work/still.png"
sleep 1
import -window root "$work/still_again.png"
still=$(differing_percent "$work/still.png" "$work/still_again.png")
if [ "$still" -gt 2 ]; then
    echo "FAIL: the picture changes by $still % while nobody touches a key"
    exit 1
fi

xdotool keydown w
sleep 1.5
xdotool keyup w
sleep 1
import -window root "$work/walked.png"
walked=$(differing_percent "$work/still.png" "$work/walked.png")
if [ "$walked" -lt 20 ]; then
    echo "FAIL: holding W changed only $walked % of the picture: the player did not walk"
    exit 1
fi

xdotool keydown space
sleep 0.3
import -window root "$work/jumping.png"
xdotool keyup space
sleep 2
import -window root "$work/landed.png"
sleep 1
import -window root "$work/landed_again.png"
settled=$(differing_percent "$work/landed.png" "$work/landed_again.png")
jumped=$(differing_percent "$work/jumping.png" "$work/landed.png" 50%x100%)
if [ "$settled" -gt 2 ] || [ "$jumped" -lt 20 ]; then
    echo "FAIL: Space did not lift the player (side view changed by $jumped % in the air," \
        "$settled % after landing)"
    exit 1
fi
close_game "$pid" || { echo "FAIL: the game did not close on request"; exit 1; }
pid=""
echo "PASS: W walks ($walked % of the picture moved) and Space jumps ($jumped % of the side view)"
