#!/usr/bin/env bash
# Another machine's player seen walking: two real programs, each in a network namespace of its
# own and with a screen of its own. The host walks forward and back; the joined player, tracing
# where it draws the host's player every frame, sees it move without jumps: no frame's speed is
# more than a few times the mean speed of the walk.
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

# Every traced frame of the host's player (slot 0), from its first move to its last: the frame's
# length in ms and the step the model made in it. Frames of a busy machine differ in length, so
# the steps are compared as speeds.
frames() {
    awk '$2 == 0 { if (n++) print $1 - t, sqrt(($3 - x) ^ 2 + ($5 - z) ^ 2); t = $1; x = $3; z = $5 }' \
        "$trace" |
        awk '{ line[NR] = $0; if ($2 > 0) { if (!first) first = NR; last = NR } }
             END { for (i = first; i <= last; i++) print line[i] }'
}
moved() { [ "$(frames | awk '$2 > 0' | wc -l)" -gt 60 ]; }

# Forward and back again, so that a pillar in front does not end the walk.
export DISPLAY=$host_display
for key in w s w s; do
    xdotool keydown "$key"
    sleep 1
    xdotool keyup "$key"
done
poll moved || fail "the host's player was not seen walking: $(wc -l < "$trace") lines traced"

read -r count largest mean fastest speed < <(frames | awk '$1 > 0 {
        n++; sum += $2; if ($2 > max) max = $2; v = $2 / $1; if (v > top) top = v; time += $1 }
    END { printf "%d %.4f %.4f %.5f %.5f\n", n, max, sum / n, top, sum / time }')
echo "watched $count frames of the walk: largest step $largest, mean step $mean;" \
    "fastest $fastest units/ms, mean $speed units/ms"
# A jump: a frame both five times faster than the walk's mean (on a busy machine the frames and
# the walker's own pace are uneven) and faster than twice the run speed (units per 15 ms). Shown
# report by report, a walk has frames of five to nine times its mean speed.
run_speed=$(awk 'toupper($1) == "RUN_SPEED" { sub(",", ".", $2); print $2 / 15 }' "$work/host/config.txt")
awk -v f="$fastest" -v s="$speed" -v r="$run_speed" 'BEGIN { exit !(f <= 5 * s || f <= 2 * r) }' ||
    fail "the walking player jumped: $fastest units/ms in a frame, $speed on average"
