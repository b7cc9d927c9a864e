#!/usr/bin/env bash
# Sound reaches the sound card: OpenAL Soft's wave backend writes what a card would play into a
# file. After hosting a game from the menus, that file holds samples, not just its header, and
# holding the fire button makes the card play louder than the idle game before it.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"

cp -r "$run_folder"/. "$work"/
wave="$work/card.wav"
printf '[wave]\nfile=%s\nsample-type=int16\n' "$wave" >"$work/alsoft.conf"
make_netns "zk_sound_$$"
(cd "$work" && exec env ALSOFT_DRIVERS=wave ALSOFT_CONF="$work/alsoft.conf" \
    ip netns exec "zk_sound_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || fail "no game window"
xdotool windowfocus "$window" 2>/dev/null || true
host_from_menus "$work"
[ -f "$wave" ] || fail "no sound device was opened (OpenAL wrote no $wave)"
# A canonical WAV header is 44 bytes; everything after it is what was played.
played() { [ "$(stat -c %s "$wave")" -gt 44 ]; }
poll played || fail "the sound card file holds only its header"

# The loudest 16-bit sample written between two byte offsets of the file.
peak() {
    python3 - "$wave" "$1" "$2" <<'PY'
import array, sys
path, start, end = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
with open(path, "rb") as f:
    f.seek(start - start % 2)
    samples = array.array("h", f.read(max(0, end - start) // 2 * 2))
print(max((abs(s) for s in samples), default=0))
PY
}
sleep 2
idle_start=$(stat -c %s "$wave")
sleep 1
fire_start=$(stat -c %s "$wave")
xdotool mousedown 1
sleep 1.5
xdotool mouseup 1
sleep 0.5
fire_end=$(stat -c %s "$wave")
idle=$(peak "$idle_start" "$fire_start")
firing=$(peak "$fire_start" "$fire_end")
[ "$firing" -gt $((idle * 2 + 500)) ] ||
    fail "firing was not heard: peak $firing while firing, $idle idle"
close_game "$pid" || fail "the game did not close on request"
pid=""
size=$(stat -c %s "$wave")
echo "PASS: the game played $((size - 44)) bytes of sound; firing peaked at $firing (idle $idle)"
