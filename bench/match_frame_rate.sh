#!/usr/bin/env bash
# The real game's frame rate in a match: it hosts a game with eight bots through the new-game
# screen, plays it for a while in the split view, switches to the chase view (Q) and plays on,
# counting the frames it shows (build/bench/libswap_counter.so, preloaded). Prints the median and
# the lowest of the two-second rates in each view.
#
# Run under an X server, as root (for the network namespace the game plays in):
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/match_frame_rate.sh build/zarnok build/run \
#       [MAP_ROW] [GAME_TYPE_CLICKS] [SECONDS]
# MAP_ROW counts the new-game screen's map list from 0 (arena.map); GAME_TYPE_CLICKS clicks the
# game type's arrow that often. The new-game screen as sent is left in match_frame_rate_form.png
# in the current folder, to check the map and game type.
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/../tests/e2e/common.bash"
start_namespaced_test "$1" "$2"
map_row=${3:-0} clicks=${4:-0} seconds=${5:-20}
counter=$(realpath "$(dirname "$zarnok")/bench/libswap_counter.so")
[ -f "$counter" ] || fail "build the swap_counter target first ($counter)"
cp -r "$run_folder"/. "$work"/
make_netns "zk_rate_$$"
log="$work/frames.txt"
(cd "$work" && exec ip netns exec "zk_rate_$$" env LD_PRELOAD="$counter" \
    ZARNOK_FRAME_LOG="$log" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || fail "no game window"
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2

form="$work/form.png"
shot "$form.before.png"
click_at 0 0.15  # main menu: new game
wait_until_changed "$form.before.png" "$form" || fail "the new-game screen did not open"
_type_into 0.3 0.37 8  # bots
for _ in $(seq "$clicks"); do
    click_at 0.47 0.245  # the game type's right arrow
    sleep 0.3
done
click_at -0.35 "$(awk "BEGIN { print 0.025 - 0.05 * $map_row }")"  # the map
sleep 0.3
click_at 0 0.01  # ">>" adds it to the rotation
sleep 0.3
shot "$form"
cp "$form" match_frame_rate_form.png
click_at 0.35 -0.41  # "Start game"
wait_until_changed "$form" "$form.hosted.png" || fail "the match did not start"

# The clock the frame log is stamped with.
monotonic() { python3 -c 'import time; print(time.clock_gettime(time.CLOCK_MONOTONIC))'; }

# Each view's rates, leaving out the first window after a change (it spans both).
split_from=$(monotonic)
sleep "$seconds"
xdotool key q
chase_from=$(monotonic)
sleep "$seconds"
chase_to=$(monotonic)
close_game "$pid" || true
python3 - "$log" "$split_from" "$chase_from" "$chase_to" <<'PY'
import statistics, sys
rows = [tuple(map(float, line.split())) for line in open(sys.argv[1])]
marks = list(map(float, sys.argv[2:]))
for name, start, end in (("split", marks[0], marks[1]), ("chase", marks[1], marks[2])):
    rates = [rate for time, rate in rows if start + 2 < time <= end]
    if rates:
        print(f"{name}: median {statistics.median(rates):.1f} fps, lowest {min(rates):.1f}, "
              f"{len(rates)} windows of 2 s")
    else:
        print(f"{name}: no frames counted")
PY
