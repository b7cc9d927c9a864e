#!/usr/bin/env bash
# Content the game cannot run without, missing: the game's own screen names the file and closes
# on a key, exit 1, with the same line on stderr and in log.txt. A sound that cannot be read:
# the menus open with a box that says the sounds stay silent, and the game plays on.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
take_test_arguments "$@"
start_scratch_folder
shots=${ZARNOK_SHOTS:-$work}

mkdir -p "$work/missing"
cp -r "$run_folder"/. "$work/missing"/
rm -f "$work/missing/player.txt" "$work/missing/log.txt"
(cd "$work/missing" && exec "$zarnok" 2>err.txt) &
pid=$!
wait_window "$pid" >/dev/null || fail "no window for the fault: $(cat "$work/missing/err.txt")"
poll grep -q "player.txt: the file is missing" "$work/missing/err.txt" ||
    fail "stderr does not name player.txt: $(cat "$work/missing/err.txt")"
wait_until_still "$shots/missing.png" || fail "the fault screen never settled"
xdotool key Return
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 1 ] || fail "the game ended with $status, not 1"
grep -q "player.txt: the file is missing" "$work/missing/log.txt" || fail "log.txt does not name player.txt"

mkdir -p "$work/silent"
cp -r "$run_folder"/. "$work/silent"/
rm -f "$work/silent/log.txt"
printf 'RIFF garbled' > "$work/silent/sound/fire.wav"
# A sound card that writes to a file: the sounds are loaded only when a device opens.
printf '[wave]\nfile=%s\n' "$work/silent/card.wav" >"$work/alsoft.conf"
(cd "$work/silent" && exec env ALSOFT_DRIVERS=wave ALSOFT_CONF="$work/alsoft.conf" "$zarnok" 2>err.txt) &
pid=$!
wait_window "$pid" >/dev/null || fail "no window with a garbled sound: $(cat "$work/silent/err.txt")"
poll grep -q "fire.wav" "$work/silent/err.txt" || fail "stderr does not name fire.wav"
wait_until_still "$shots/silent.png" || fail "the menu never settled"
click_at 0 -0.155        # the box's "OK"
wait_until_changed "$shots/silent.png" "$shots/silent.menu.png" || fail "the box did not close on OK"
close_game "$pid" || fail "the game did not close"
pid=""
grep -q "fire.wav" "$work/silent/log.txt" || fail "log.txt does not name fire.wav"
echo "PASS: missing content stops with the file named; a bad sound is told and stays silent"
