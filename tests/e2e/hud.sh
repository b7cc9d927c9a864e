#!/usr/bin/env bash
# The HUD of a hosted game in the real program: the kills and deaths lines stand over the side
# view, the key hint low on the left, Tab shows the statistics table in the middle of the window
# while it is held, and Q's chase view keeps the HUD. The game runs in a network namespace of its
# own.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"

# Pixels of a region (WxH+X+Y) that differ between two screenshots.
region_differing() {
    convert "$1" -crop "$3" +repage "$work/a.png"
    convert "$2" -crop "$3" +repage "$work/b.png"
    local count
    count=$(compare -metric AE -fuzz 8% "$work/a.png" "$work/b.png" null: 2>&1 || true)
    echo "${count%% *}"
}
# Near-white pixels of a region.
white_pixels() {
    convert "$1" -crop "$2" +repage -fuzz 12% -fill black +opaque white -fill white -opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}

cp -r "$run_folder"/. "$work"/
make_netns "zk_hud_$$"
(cd "$work" && exec ip netns exec "zk_hud_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || { echo "FAIL: no game window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2
host_from_menus "$work"
sleep 3
read -r width height < <(xdotool getdisplaygeometry)
import -window root "$work/play.png"

# "Kills 0" and "Deaths 0" in large white letters at the top left.
corner="$((width / 4))x$((height / 8))+0+0"
kills=$(white_pixels "$work/play.png" "$corner")
if [ "$kills" -lt 200 ]; then
    echo "FAIL: no kills and deaths lines at the top left ($kills white pixels)"
    exit 1
fi

# The key hint in small white letters low on the left, during this first level of the run.
hint="$((width / 2))x$((height * 8 / 100))+0+$((height * 835 / 1000))"
hint_pixels=$(white_pixels "$work/play.png" "$hint")
if [ "$hint_pixels" -lt 1000 ]; then
    echo "FAIL: no key hint low on the left ($hint_pixels white pixels)"
    exit 1
fi

middle="$((width / 4))x$((height / 4))+$((width * 3 / 8))+$((height * 3 / 8))"
xdotool keydown Tab
sleep 1
import -window root "$work/tab.png"
xdotool keyup Tab
sleep 1
import -window root "$work/released.png"
shown=$(region_differing "$work/play.png" "$work/tab.png" "$middle")
gone=$(region_differing "$work/play.png" "$work/released.png" "$middle")
[[ "$shown" =~ ^[0-9]+$ && "$gone" =~ ^[0-9]+$ ]] || { echo "FAIL: compare: $shown $gone"; exit 1; }
if [ "$shown" -lt $((width * height / 40)) ] || [ "$gone" -gt $((width * height / 400)) ]; then
    echo "FAIL: the statistics table does not follow Tab (changed $shown while held, $gone after)"
    exit 1
fi

xdotool key q
sleep 2
import -window root "$work/chase.png"
if [ "$(white_pixels "$work/chase.png" "$corner")" -lt 200 ]; then
    echo "FAIL: the chase view lost the kills and deaths lines"
    exit 1
fi
close_game "$pid" || { echo "FAIL: the game did not close on request"; exit 1; }
pid=""
echo "PASS: the HUD shows over both views and Tab shows the statistics"
