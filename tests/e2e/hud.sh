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
read -r width height < <(xdotool getdisplaygeometry)
# Nothing moves in a game without bots: the level is up once the screen holds still.
wait_until_still "$work/play.png"

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
# The middle changes by more than $2 pixels (at most $3) from the play screen in screenshot $1.
_middle_changed() {
    import -window root "$work/$1"
    local changed
    changed=$(region_differing "$work/play.png" "$work/$1" "$middle")
    [[ "$changed" =~ ^[0-9]+$ ]] && [ "$changed" -gt "$2" ] && [ "$changed" -le "$3" ]
}
xdotool keydown Tab
poll _middle_changed tab.png $((width * height / 40)) $((width * height)) ||
    fail "the statistics table did not show while Tab was held"
xdotool keyup Tab
poll _middle_changed released.png -1 $((width * height / 400)) ||
    fail "the statistics table stayed after Tab was released"

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
