#!/usr/bin/env bash
# The menus of the real program, driven by xdotool: Enter on the main menu opens the new-game
# screen and Esc closes it again; a click on the options screen's volume arrow and "Ok" write the
# new volume to conf2.cfg; Cyrillic letters reach an edit box; Exit ends the program with
# conf2.cfg and log.txt written.
# Usage: menus.sh <zarnok> <run-folder>. Set MENUS_SCREENSHOTS=<dir> to keep the screenshots.
set -euo pipefail
binary=$(realpath "$1")
run_folder=$2
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
fail() { echo "FAIL: $*" >&2; exit 1; }

cp -r "$run_folder"/. "$work"/
rm -f "$work/conf2.cfg" "$work/log.txt"
cd "$work"
"$binary" >stdout.txt 2>stderr.txt &
pid=$!

window=
for _ in $(seq 1 200); do
  window=$(xdotool search --onlyvisible --name '^zarnok$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended during start-up: $(cat stderr.txt)"
  sleep 0.1
done
[ -n "$window" ] || fail "no window named zarnok appeared"
xdotool windowfocus "$window" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$window")"

# Window pixels of a point given in the menus' device coordinates (x right, y up, -1..1).
pixel() { awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" \
  'BEGIN { printf "%d %d", (x + 1) / 2 * w, (1 - y) / 2 * h }'; }
click_at() { xdotool mousemove $(pixel "$1" "$2"); sleep 0.2; xdotool click 1; sleep 0.4; }
shot() { sleep 0.4; import -window root "$1"; }
# Differing pixels between two screenshots.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }
volume() { od -A n -t d4 -j 16 -N 4 conf2.cfg | tr -d ' '; }

# Park the pointer in a corner, away from every entry, so hovering moves nothing.
xdotool mousemove 1 1
sleep 0.5
shot main.png

xdotool key Return
shot newgame.png
[ "$(differing main.png newgame.png)" -gt 1000 ] || fail "Enter on the main menu showed no new screen"
xdotool key Escape
shot after_escape.png
[ "$(differing main.png after_escape.png)" -eq 0 ] || fail "Esc did not bring back the main menu"

# The options entry (y 0 .. -0.1), then the sound volume's left arrow: 100% becomes 90%.
click_at 0 -0.05
shot options.png
[ "$(differing main.png options.png)" -gt 1000 ] || fail "the options screen did not open"
click_at 0.2333 0.145
shot volume90.png
click_at 0.375 -0.41
[ "$(volume)" -eq 90 ] || fail "Ok did not write the volume 90 to conf2.cfg (found $(volume))"
xdotool mousemove 1 1
shot after_ok.png

# The join screen opens from its entry; Cyrillic letters typed on it reach its player-name box
# (they arrive as text input and become Windows-1251 inside); Esc closes it as well.
click_at 0 0.05
shot join.png
[ "$(differing after_ok.png join.png)" -gt 1000 ] || fail "the join screen did not open"
xdotool type --delay 60 "ЖЖЖ"
shot join_typed.png
[ "$(differing join.png join_typed.png)" -gt 100 ] || fail "typed Cyrillic letters did not show"
xdotool key Escape

# Exit from the main menu closes the program gracefully.
click_at 0 -0.15
status=
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || { status=0; wait "$pid" || status=$?; pid=; break; }
  sleep 0.1
done
[ -n "$status" ] || fail "Exit did not end the program"
[ "$status" -eq 0 ] || fail "exit status $status: $(cat stderr.txt)"
[ "$(stat -c %s conf2.cfg)" -eq 168 ] || fail "conf2.cfg is not 168 bytes"
[ "$(volume)" -eq 90 ] || fail "conf2.cfg lost the volume at exit"
[ "$(wc -l <log.txt)" -eq 15 ] || fail "log.txt does not hold the fifteen counter lines"
echo "menus: all checks passed"
