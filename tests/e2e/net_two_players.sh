#!/usr/bin/env bash
# Two machines on one LAN, simulated by two network namespaces joined by a veth pair: the host
# starts a game from the menus; the second player opens the join screen, finds the host in the
# server list within seconds, picks it and connects. The host's log.txt then shows the second
# player's state reports. The second player has an X display of its own.
set -euo pipefail
zarnok=$(realpath "$1")
run_folder=$2
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"

require_netns
host_dir=$(mktemp -d)
guest_dir=$(mktemp -d)
NAMESPACES=()
host_pid=""
guest_pid=""
xvfb_pid=""
cleanup() {
    for p in "$host_pid" "$guest_pid"; do
        [ -n "$p" ] && kill -KILL "$p" 2>/dev/null || true
    done
    if [ -n "$xvfb_pid" ]; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    cleanup_netns
    rm -rf "$host_dir" "$guest_dir"
}
trap cleanup EXIT

host_ns="zk_lan_host_$$"
guest_ns="zk_lan_guest_$$"
make_netns "$host_ns"
make_netns "$guest_ns"
ip link add "zkh$$" netns "$host_ns" type veth peer name "zkg$$" netns "$guest_ns"
ip netns exec "$host_ns" ip addr add 10.77.0.1/24 dev "zkh$$"
ip netns exec "$guest_ns" ip addr add 10.77.0.2/24 dev "zkg$$"
ip netns exec "$host_ns" ip link set "zkh$$" up
ip netns exec "$guest_ns" ip link set "zkg$$" up
# The limited broadcast needs a route; inside these namespaces it can only reach the peer.
ip netns exec "$host_ns" ip route add default dev "zkh$$"
ip netns exec "$guest_ns" ip route add default dev "zkg$$"

for dir in "$host_dir" "$guest_dir"; do
    cp -r "$run_folder"/. "$dir"/
    rm -f "$dir/log.txt"
done

host_display=$DISPLAY
# The server picks a free display number and writes it to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$guest_dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
poll test -s "$guest_dir/display" || fail "no second X display"
guest_display=":$(tr -d '[:space:]' < "$guest_dir/display")"

(cd "$host_dir" && exec ip netns exec "$host_ns" "$zarnok") &
host_pid=$!
window=$(wait_window "$host_pid") || fail "no host window"
xdotool windowfocus "$window" 2>/dev/null || true
host_from_menus "$host_dir"

export DISPLAY=$guest_display
(cd "$guest_dir" && exec ip netns exec "$guest_ns" "$zarnok") &
guest_pid=$!
window=$(wait_window "$guest_pid") || fail "no guest window"
xdotool windowfocus "$window" 2>/dev/null || true
shot "$guest_dir/main.png"
click_at 0 0.05          # main menu: join a network game
wait_until_changed "$guest_dir/main.png" "$guest_dir/join.png" || fail "no join screen"
# The host announces itself every two seconds. Its row in the server list, once there, fills
# the address box when clicked.
_host_chosen() {
    click_at 0 0.175
    shot "$guest_dir/chosen.png"
    [ "$(differing "$guest_dir/join.png" "$guest_dir/chosen.png")" -gt 100 ]
}
poll _host_chosen || fail "the host was not listed"
click_at 0.35 -0.41      # "Connect"
wait_until_changed "$guest_dir/chosen.png" "$guest_dir/joined.png" || fail "the guest did not enter the game"
# Let the guest report to the host for a while: ten reports at least.
sleep 1

close_game "$guest_pid" || true
guest_pid=""
export DISPLAY=$host_display
close_game "$host_pid" || fail "the host did not close on request"
host_pid=""
if ! grep -Eq '^player [0-9]+ 10\.77\.0\.2 was here [0-9]{2,}$' "$host_dir/log.txt"; then
    echo "FAIL: the host heard no state reports from the second player; host log.txt:"
    cat "$host_dir/log.txt" || true
    exit 1
fi
echo "PASS: the second player found the host on the LAN and joined its game"
