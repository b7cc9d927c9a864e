#!/usr/bin/env bash
# The real program in a temporary copy of the run folder: its window "zarnok" appears and shows
# something; on SIGTERM, SIGINT and SIGHUP it exits 0 and leaves conf2.cfg with the defaults and
# log.txt with the fifteen counter lines. Usage: startup.sh <zarnok> <run-folder>
set -euo pipefail
binary=$(realpath "$1")
run_folder=$2
source "$(dirname "$(realpath "$0")")/common.bash"
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$run_folder"/. "$work"/
rm -f "$work/conf2.cfg" "$work/log.txt"
# A sound device that plays into nothing, whatever this machine has: log.txt then holds only the
# lines checked below.
export ALSOFT_DRIVERS=null
cd "$work"
"$binary" >stdout.txt 2>stderr.txt &
pid=$!

window=$(wait_window "$pid") || fail "no window named zarnok appeared: $(cat stderr.txt)"

# The window covers the screen and has drawn a frame that is not one flat colour.
screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
# The splash picture carries the name too, until the main window replaces it.
_covers_screen() {
  for window in $(xdotool search --onlyvisible --pid "$pid" --name '^zarnok$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"
    [ "${WIDTH}x${HEIGHT}" = "$screen" ] && return 0
  done
  return 1
}
poll _covers_screen || fail "no window covers the screen ($screen)"
_drawn() { shot screenshot.png && [ "$(convert screenshot.png -format '%k' info:)" -gt 1 ]; }
poll _drawn || fail "the screen shows a single colour"
[ -f log.txt ] && [ ! -s log.txt ] || fail "log.txt is not created empty at start-up"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM: $(cat stderr.txt)"

[ "$(stat -c %s conf2.cfg)" -eq 168 ] || fail "conf2.cfg is not 168 bytes"
expected_head=$(printf 'mouse 100 width %d height %d detail 0 volume 100' "$WIDTH" "$HEIGHT")
actual_head=$(od -A n -t d4 -w20 -N 20 conf2.cfg | awk '{printf "mouse %d width %d height %d detail %d volume %d", $1, $2, $3, $4, $5}')
[ "$actual_head" = "$expected_head" ] || fail "conf2.cfg numbers: $actual_head"
[ "$(dd if=conf2.cfg bs=1 skip=20 count=8 status=none)" = $'\x07Player1' ] || fail "player name"
[ "$(dd if=conf2.cfg bs=1 skip=85 count=13 status=none)" = $'\x0cZarnokServer' ] || fail "server name"
[ "$(dd if=conf2.cfg bs=1 skip=150 count=10 status=none)" = $'\x09127.0.0.1' ] || fail "server address"

expected_log="sent 0
sentsrv 0
sentsrv_ginfo 0
sentsrv_endlv 0
sentsrv_addpl 0
sentsrv_added 0
sentsrv_bulst 0
sentsrv_bulfn 0
sentsrv_illim 0
sentsrv_endlv2 0
sentsrv_respl 0
sentsrv_delpl 0
sentsrv_srvcl 0
sentsrv_addlist 0
received 0"
[ "$(cat log.txt)" = "$expected_log" ] || fail "log.txt: $(cat log.txt)"

# A second start reads the file it wrote and keeps it. Job control keeps SIGINT deliverable:
# without it a script's background jobs ignore SIGINT.
cp conf2.cfg conf2.first
set -m
"$binary" >/dev/null 2>second_stderr.txt &
pid=$!
set +m
wait_window "$pid" >/dev/null ||
  fail "no window on the second start (process state: $(ps -o stat= -p "$pid" || echo gone)): $(cat second_stderr.txt)"
kill -INT "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGINT"
cmp -s conf2.cfg conf2.first || fail "conf2.cfg changed across a start without changes"

# Closing the terminal (SIGHUP) closes the game as SIGTERM does: exit 0, log.txt filled and
# conf2.cfg saved again (a new file renamed over the old one).
rm -f log.txt
settings_inode=$(stat -c %i conf2.cfg)
"$binary" >/dev/null 2>stderr.txt &
pid=$!
wait_window "$pid" >/dev/null || fail "no window on the third start: $(cat stderr.txt)"
close_game "$pid" HUP || fail "the game is still running after SIGHUP"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGHUP: $(cat stderr.txt)"
[ "$(cat log.txt)" = "$expected_log" ] || fail "log.txt after SIGHUP: $(cat log.txt)"
[ "$(stat -c %i conf2.cfg)" != "$settings_inode" ] || fail "conf2.cfg was not saved at SIGHUP"

# A config.txt value that does not convert stops start-up: the game's own screen says so until a
# key is pressed, a line on stderr and in log.txt names file, line and text, a non-zero exit, and
# the user's settings untouched.
printf 'WALK_SPEED 0.1\nRUN_TIME fast\n' >config.txt
"$binary" >/dev/null 2>stderr.txt &
pid=$!
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  box=$(xdotool search --onlyvisible --name '^zarnok$' 2>/dev/null | head -n 1) || true
  # The game's own screen tells it; any key closes it. The window may go between search and key.
  [ -n "$box" ] && { xdotool key --window "$box" Return || xdotool key Return; } 2>/dev/null || true
  sleep 0.1
done
status=0
wait "$pid" || status=$?
pid=
[ "$status" -ne 0 ] || fail "a bad config.txt did not stop start-up"
grep -q '^zarnok: config.txt:2: value does not convert: RUN_TIME fast$' stderr.txt ||
  fail "stderr does not name the bad line: $(cat stderr.txt)"
grep -q '^config.txt:2: value does not convert: RUN_TIME fast$' log.txt ||
  fail "log.txt does not name the bad line: $(cat log.txt)"
cmp -s conf2.cfg conf2.first || fail "a failed start changed conf2.cfg"
# The options: --help lists the game's and the server's and exits 0; an unknown one is refused.
"$binary" --help >help.txt 2>&1 || fail "--help exited with $?"
grep -q -- '--server' help.txt && grep -q -- '--frags' help.txt || fail "--help: $(cat help.txt)"
status=0
"$binary" --fullscreen >/dev/null 2>refused.txt || status=$?
[ "$status" -eq 2 ] && grep -q -- 'unknown option --fullscreen' refused.txt ||
  fail "an unknown option gave $status: $(cat refused.txt)"

# A settings folder that cannot be made (its parent is a file), with no sound device: the game's
# own screen names the folder; a key goes on to the menus, which say the game runs silent; closing
# writes no settings anywhere and exits 0.
rm -f log.txt
cp "$run_folder/config.txt" config.txt
printf 'not a folder' >blocked
mkdir state
(export ZARNOK_DATA_DIR="$work" XDG_CONFIG_HOME="$work/blocked" XDG_STATE_HOME="$work/state" \
  XDG_DATA_HOME="$work/state" ALSOFT_DRIVERS=nosuchdevice
  exec "$binary" 2>stderr.txt) &
pid=$!
wait_window "$pid" >/dev/null || fail "no window for an unwritable settings folder: $(cat stderr.txt)"
poll grep -q "cannot create $work/blocked/zarnok: Not a directory" stderr.txt ||
  fail "stderr does not name the folder: $(cat stderr.txt)"
wait_until_still folder_fault.png || fail "the fault screen never settled"
[ "$(convert folder_fault.png -format '%k' info:)" -gt 1 ] || fail "the fault screen shows nothing"
xdotool key Return
wait_until_changed folder_fault.png menus.png || fail "a key did not lead on to the menus"
close_game "$pid" || fail "the game did not close"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status without a settings folder: $(cat stderr.txt)"
[ "$(cat blocked)" = "not a folder" ] || fail "the game wrote over the blocked settings folder"
grep -q "no sound device was found; the game runs silent" state/zarnok/log.txt ||
  fail "log.txt does not say the game runs silent: $(cat state/zarnok/log.txt)"
! find . -name conf2.cfg -newer blocked | grep -q . || fail "conf2.cfg was written somewhere"
echo "startup e2e passed"
