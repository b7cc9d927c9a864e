#!/usr/bin/env bash
# A map only the host has. A player hosts from the menus on a map of its own, in a network
# namespace of its own; a second game in another namespace joins from the join screen, receives
# the map from the host and plays on it: the file is kept apart in its received-maps/ folder with
# the host's bytes, nothing lands among its shipped maps, its stderr says where the map went, and
# its screen shows the arena rather than the menus.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
start_lan_test "$1" "$2" host guest
host_ns="zk_maps_host_$$"
guest_ns="zk_maps_guest_$$"
link_namespaces "$host_ns" "$guest_ns"

# First by name, the host's own map is the one the new-game screen picks. It differs from every
# shipped map: a pillar of its own.
{ cat "$work/host/maps/towers.map"; echo "3 0 3 1 7"; } >"$work/host/maps/aa_mine.map"
mkdir -p "$shots/host"

guest_display=$DISPLAY
host_display=$(start_private_display "$work/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$work/xvfb.pid")
export DISPLAY=$host_display
start_lan_game host "$host_ns" "the host"
wait_until_still "$shots/host.start.png"
host_from_menus "$shots/host"

export DISPLAY=$guest_display
start_lan_game guest "$guest_ns" "the joining player"
read -r width height < <(xdotool getdisplaygeometry)
wait_until_still "$shots/guest.start.png"
join_host "$shots/guest"

kept=$work/guest/received-maps/aa_mine.map
poll test -f "$kept" || fail "the joining player kept no aa_mine.map: $(cat "$work/guest/err.txt")"
cmp -s "$kept" "$work/host/maps/aa_mine.map" || fail "the kept map is not the host's"
[ "$(ls -A "$work/guest/received-maps")" = "aa_mine.map" ] ||
    fail "more than the map in received-maps/: $(ls -A "$work/guest/received-maps")"
[ ! -e "$work/guest/maps/aa_mine.map" ] || fail "the received map went among the shipped ones"
grep -q "map aa_mine.map received from the server, kept in received-maps/" \
    "$work/guest/err.txt" || fail "the joining player did not say where the map went"

# In the arena, and still there a moment later: no message box sent it back to the menus.
_playing() {
    shot "$shots/guest.playing.png"
    [ "$(differing "$shots/guest.menu.png" "$shots/guest.playing.png")" -gt $((width * height / 4)) ]
}
poll _playing || fail "the joining player's screen still shows the menus"
wait_until_still "$shots/guest.settled.png" || true
[ "$(differing "$shots/guest.menu.png" "$shots/guest.settled.png")" -gt $((width * height / 4)) ] ||
    fail "the joining player was sent back to the menus"
echo "PASS: a joining player received the host's own map, kept it apart and plays on it"
