#!/usr/bin/env bash
# The menus of the real program, driven by xdotool: Enter on the main menu opens the new-game
# screen and Esc closes it again; a click on the options screen's volume arrow and "Ok" write the
# new volume to conf2.cfg; Cyrillic letters reach an edit box; Exit ends the program with
# conf2.cfg and log.txt written.
# Usage: menus.sh <zarnok> <run-folder>. Set MENUS_SCREENSHOTS=<dir> to keep the screenshots.
set -euo pipefail
binary=$(realpath "$1")
run_folder=$2
source "$(dirname "$(realpath "$0")")/common.bash"
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  if [ -n "${MENUS_SCREENSHOTS:-}" ]; then
    mkdir -p "$MENUS_SCREENSHOTS" && cp "$work"/*.png "$MENUS_SCREENSHOTS"/ 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$run_folder"/. "$work"/
rm -f "$work/conf2.cfg" "$work/log.txt"
cd "$work"
# A sound device that plays into nothing: log.txt holds the counters alone.
ALSOFT_DRIVERS=null "$binary" >stdout.txt 2>stderr.txt &
pid=$!

window=$(wait_window "$pid") || fail "no window named zarnok appeared: $(cat stderr.txt)"
xdotool windowfocus "$window" 2>/dev/null || true

volume() { od -A n -t d4 -j 16 -N 4 conf2.cfg | tr -d ' '; }
# Takes screenshot $2 until it is the picture of $1 again.
_same_as() { shot "$2" && [ "$(differing "$1" "$2")" -eq 0 ]; }

# Park the pointer in a corner, away from every entry, so hovering moves nothing.
xdotool mousemove 1 1
wait_until_still main.png || fail "the main menu never settled"

xdotool key Return
wait_until_changed main.png newgame.png || fail "Enter on the main menu showed no new screen"
xdotool key Escape
poll _same_as main.png after_escape.png || fail "Esc did not bring back the main menu"

# The options entry (y 0 .. -0.1), then the sound volume's left arrow: 100% becomes 90%.
click_at 0 -0.05
wait_until_changed main.png options.png || fail "the options screen did not open"
click_at 0.2333 0.145
wait_until_changed options.png volume90.png 10 || fail "the volume arrow changed nothing"
click_at 0.375 -0.41
_volume_is_90() { [ "$(volume)" -eq 90 ]; }
poll _volume_is_90 || fail "Ok did not write the volume 90 to conf2.cfg (found $(volume))"
xdotool mousemove 1 1
wait_until_still after_ok.png || fail "the menus never settled after Ok"

# The join screen opens from its entry; Cyrillic letters typed on it reach its player-name box
# (they arrive as text input and become Windows-1251 inside); Esc closes it as well.
click_at 0 0.05
wait_until_changed after_ok.png join.png || fail "the join screen did not open"
# xdotool maps a spare keycode to each letter it types; on a busy machine the program can read
# the key after the mapping is gone, so a letter that does not show is typed again.
_typed_cyrillic() {
    for _ in 1 2 3; do
        xdotool type --delay 200 "Ж"
        E2E_TIMEOUT=15 wait_until_changed join.png join_typed.png 100 && return 0
    done
    return 1
}
_typed_cyrillic || fail "typed Cyrillic letters did not show"
xdotool key Escape

# Exit from the main menu closes the program gracefully.
click_at 0 -0.15
_ended() { ! kill -0 "$pid" 2>/dev/null; }
poll _ended || fail "Exit did not end the program"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status: $(cat stderr.txt)"
[ "$(stat -c %s conf2.cfg)" -eq 168 ] || fail "conf2.cfg is not 168 bytes"
[ "$(volume)" -eq 90 ] || fail "conf2.cfg lost the volume at exit"
[ "$(wc -l <log.txt)" -eq 15 ] || fail "log.txt does not hold the fifteen counter lines"
echo "menus: all checks passed"
