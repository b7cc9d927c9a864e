#!/usr/bin/env bash
# Resident size of the game hosting a match with eight bots: starts build/zarnok in a network
# namespace of its own under a private Xvfb, hosts a team deathmatch from the menus with eight
# bots, waits (300 s unless given), then prints VmRSS, VmHWM and the largest mappings of
# /proc/PID/smaps. Usage: tools/host-memory.sh [build-dir] [seconds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$here/build}")
seconds=${2:-300}
source "$here/tests/e2e/common.bash"
require_netns

work=$(mktemp -d)
NAMESPACES=()
pid=""
xvfb_pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null || true
    cleanup_netns
    rm -rf "$work"
}
trap cleanup EXIT

cp -r "$build/run"/. "$work"/
# The bots box of the new-game screen shows only when the tuning file asks for it.
sed -i 's/^SHOW_BOTS .*/SHOW_BOTS 1/' "$work/config.txt"
display=$(start_private_display "$work/xvfb.pid") || { echo "no X display"; exit 1; }
export DISPLAY=$display
xvfb_pid=$(cat "$work/xvfb.pid")

make_netns "zk_mem_$$"
(cd "$work" && exec ip netns exec "zk_mem_$$" "$build/zarnok") &
pid=$!
window=$(wait_window "$pid") || { echo "no game window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2
host_with_bots 8 2 "$work/new_game.png"   # eight bots, team deathmatch
cp "$work/new_game.png.hosted.png" "$work/hosting.png"
echo "hosting with 8 bots; waiting ${seconds} s"
sleep "$seconds"
awk '/^(VmRSS|VmHWM|RssAnon|RssFile)/' "/proc/$pid/status"
echo "largest mappings (Rss kB, mapping):"
awk '/^[0-9a-f]+-[0-9a-f]+ / { name = $6 ? $6 : "[anon]" } /^Rss:/ { rss[name] += $2 }
     END { for (n in rss) printf "%8d  %s\n", rss[n], n }' "/proc/$pid/smaps" | sort -rn | head -12
cp "$work/hosting.png" /tmp/zarnok-host-memory.png
close_game "$pid" || true
pid=""
