#!/usr/bin/env bash
# Hosting from the menus: new game, choose a map, "Start game"; the host is then in its arena
# (the screen shows the split view instead of the menus) with its own client reporting to its
# server, which log.txt shows at exit. The game runs in a network namespace of its own, so its
# broadcasts stay there.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"

cp -r "$run_folder"/. "$work"/
rm -f "$work/log.txt"
make_netns "zk_host_$$"
(cd "$work" && exec ip netns exec "zk_host_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || fail "no game window"
xdotool windowfocus "$window" 2>/dev/null || true
host_from_menus "$work"

# The arena is shown in the split view: a side view on the left, a top view on the right.
split_view_shown() {
    shot "$work/arena.png"
    convert "$work/arena.png" -crop 50%x100% +repage "$work/half_%d.png"
    [ "$(differing "$work/half_0.png" "$work/half_1.png")" != "0" ]
}
poll split_view_shown || fail "the two halves of the screen show the same picture, not the split view"
close_game "$pid" || fail "the game did not close on request"
pid=""
# The host's own client reports to its server 20 times a second over the loopback address.
if ! grep -Eq '^player [0-9]+ 127\.0\.0\.1 was here [0-9]{2,}$' "$work/log.txt"; then
    echo "FAIL: log.txt shows no state reports from the host's own client:"
    cat "$work/log.txt" || true
    exit 1
fi
echo "PASS: hosted a game from the menus"
