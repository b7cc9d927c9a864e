#!/usr/bin/env bash
# Two games on one LAN: a dedicated server and a player hosting from the menus, each in a network
# namespace of its own on one bridge. A third machine's join screen lists both, each row naming
# the game, its map, its type and its players, not a bare address.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
start_lan_test "$1" "$2" server host guest
bridge_namespaces "zk_lan_$$" "zk_srv_$$" "zk_host_$$" "zk_guest_$$"

(cd "$work/server" && exec ip netns exec "zk_srv_$$" env -u DISPLAY "$zarnok" --server \
    --map ctf.map --type ctf --bots 2 --name Dedicated >out.txt 2>err.txt) &
pids+=($!)
poll grep -q '"Dedicated" on 10.77.0.1' "$work/server/out.txt" ||
    fail "the server did not start: $(cat "$work/server/out.txt" "$work/server/err.txt")"

guest_display=$DISPLAY
host_display=$(start_private_display "$work/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$work/xvfb.pid")
export DISPLAY=$host_display
start_lan_game host "zk_host_$$" "the hosting player"
sleep 2
host_from_menus "$work/host"

export DISPLAY=$guest_display
start_lan_game guest "zk_guest_$$" "the joining player"
read -r width height < <(xdotool getdisplaygeometry)
wait_until_still "$shots/guest.start.png"
click_at 0 0.05  # main menu: join a network game
# Both rows hold far more than an address: the whole line of each game.
row_width() {
    convert "$1" -crop "$(awk -v w="$width" -v h="$height" -v row="$2" \
        'BEGIN { printf "%dx%d+%d+%d", w * 0.47, h * 0.025, w * 0.265, h * (0.4 + 0.025 * row) }')" \
        +repage -fill black +opaque white -trim -format '%w' info: 2>/dev/null || echo 0
}
_both_listed() {
    shot "$shots/guest.list.png"
    [ "$(row_width "$shots/guest.list.png" 0)" -gt $((width / 6)) ] &&
        [ "$(row_width "$shots/guest.list.png" 1)" -gt $((width / 6)) ]
}
poll _both_listed || fail "the join screen does not list both games with what they are"
echo "PASS: a dedicated server and a hosted game, both listed with their names, maps and types"
