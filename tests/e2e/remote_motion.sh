#!/usr/bin/env bash
# Another machine's player seen walking: two real programs, each in a network namespace of its
# own and with a screen of its own. The host walks forward; the joined player, tracing where it
# draws the host's player every frame, sees it move without jumps: no frame's step is more than a
# few times the mean step of the walk.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
start_lan_test "$1" "$2" host guest
link_namespaces "zk_walk_host_$$" "zk_walk_guest_$$"
trace="$work/guest/remote.txt"

guest_display=$DISPLAY
host_display=$(start_private_display "$work/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$work/xvfb.pid")
export DISPLAY=$host_display
start_lan_game host "zk_walk_host_$$" "the host"
sleep 2
host_from_menus "$work/host"

export DISPLAY=$guest_display
ZARNOK_TRACE_REMOTE=$trace start_lan_game guest "zk_walk_guest_$$" "the watcher"
sleep 2
read -r width height < <(xdotool getdisplaygeometry)
join_host "$shots/guest"
poll test -s "$trace" || fail "the watcher traced nobody"

# The step of every traced frame of the host's player (slot 0), from its first move to its last.
steps() {
    awk '$2 == 0 { if (n++) print sqrt(($3 - x) ^ 2 + ($5 - z) ^ 2); x = $3; z = $5 }' "$trace" |
        awk '{ s[NR] = $1; if ($1 > 0) { if (!first) first = NR; last = NR } }
             END { for (i = first; i <= last; i++) print s[i] }'
}
moved() { [ "$(steps | awk '$1 > 0' | wc -l)" -gt 40 ]; }

export DISPLAY=$host_display
xdotool keydown w
poll moved || {
    xdotool keyup w
    fail "the host's player was not seen walking: $(wc -l < "$trace") lines traced"
}
xdotool keyup w

read -r frames largest mean < <(steps | awk '{ n++; sum += $1; if ($1 > max) max = $1 }
    END { printf "%d %.4f %.4f\n", n, max, sum / n }')
echo "watched $frames frames of the walk: largest step $largest, mean step $mean"
awk -v l="$largest" -v m="$mean" 'BEGIN { exit !(l <= 3 * m) }' ||
    fail "the walking player jumped: largest step $largest, mean $mean"
