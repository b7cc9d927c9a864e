#!/usr/bin/env bash
# Playing in a window: with "window 800x600" in display.cfg the game opens in a framed window of
# that size; resized to 1000x700, its menu fills the new size. Choosing the window "Off" (full
# screen) in the options applies at once, and the choice is kept in display.cfg while conf2.cfg keeps its size.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"
cp -r "$run_folder"/. "$work"/
printf 'window 800x600\nframes 60\n' > "$work/display.cfg"
ns="zk_window_$$"
make_netns "$ns"
NAMESPACES+=("$ns")
(cd "$work" && exec ip netns exec "$ns" "$zarnok" 2>"$work/stderr.txt") &
pid=$!
window=""
size() { xdotool getwindowgeometry "$window" 2>/dev/null | awk '/Geometry/ { print $2 }'; }
# The splash window shows first under the same name: the game's window is the one that stays.
_window_sized() { window=$(wait_window "$pid") && [ "$(size)" = 800x600 ]; }
poll _window_sized || fail "no 800x600 window (found ${window:-none}: $(size)): $(cat "$work/stderr.txt")"

# Black outside the window; after the resize the menu's own pixels reach the new corner.
corner() { convert "$work/screen.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r+255*g+255*b)]' info:; }
shot "$work/screen.png"
read -r x y < <(xdotool getwindowgeometry "$window" | awk -F'[ ,]+' '/Position/ { print $3, $4 }')
[ "$(corner $((x + 900)) $((y + 650)))" -eq 0 ] || fail "the window covers more than 800x600"
xdotool windowsize "$window" 1000 700
_filled() {
    shot "$work/screen.png"
    [ "$(size)" = 1000x700 ] && [ "$(corner $((x + 900)) $((y + 650)))" -gt 0 ]
}
poll _filled || fail "after the resize the menu does not fill the window ($(size))"

# A click at the menus' normalised coordinates within the 1000x700 window.
click_in_window() {
    xdotool mousemove --window "$window" \
        "$(awk -v x="$1" 'BEGIN { printf "%d", (x + 1) / 2 * 1000 }')" \
        "$(awk -v y="$2" 'BEGIN { printf "%d", (1 - y) / 2 * 700 }')"
    sleep 0.2
    xdotool click 1
}
# Options: the window list's left arrow goes from 800x600 back to "Off" (full screen); "Ok".
cp "$work/screen.png" "$work/menu.png"
click_in_window 0 -0.05        # main menu: options
wait_until_changed "$work/menu.png" "$work/options.png" || fail "the options did not open"
click_in_window 0.2333 0.045   # the window list's left arrow
wait_until_changed "$work/options.png" "$work/full_chosen.png" 10 ||
    fail "the display arrow changed nothing"
click_in_window 0.375 -0.41    # "Ok"
poll eval '[ "$(size)" = "$(xdotool getdisplaygeometry | tr " " x)" ]' ||
    fail "full screen was not applied: the window is $(size)"
close_game "$pid" || fail "the game did not close"
pid=""
grep -qx 'window off' "$work/display.cfg" || fail "display.cfg: $(cat "$work/display.cfg")"
[ "$(stat -c %s "$work/conf2.cfg")" -eq 168 ] || fail "conf2.cfg changed its size"
echo "PASS: a window of the chosen size, resized, and full screen again from the options"
