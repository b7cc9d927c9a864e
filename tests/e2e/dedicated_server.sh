#!/usr/bin/env bash
# The dedicated server: `zarnok --server` with two bots, in a network namespace of its own and
# with no display. A real game in a second namespace finds it in the join screen's list (before
# the server starts, the empty list says why; then the server's row names the game, its map,
# type and players) and joins; standing still, it sees the bots move. A kill shows in the
# server's output and in the player's statistics table. SIGTERM closes the server: exit 0, its log.txt holds the traffic,
# and the player is told. A bad option is refused in one line with exit 2.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
start_lan_test "$1" "$2" server guest
server_dir=$work/server
guest_dir=$work/guest
counter() { awk -v label="$2" '$1 == label { print $2 }' "$1"; }

# The test arena of the LAN match, where bots walk out to the players.
for dir in "$server_dir" "$guest_dir"; do cp "$here/bot_range.map" "$dir/maps/"; done

status=0
(cd "$server_dir" && env -u DISPLAY "$zarnok" --server --bots 9 >/dev/null 2>bad.txt) ||
    status=$?
[ "$status" -eq 2 ] && [ "$(wc -l < "$server_dir/bad.txt")" -eq 1 ] ||
    fail "--bots 9 gave status $status and: $(cat "$server_dir/bad.txt")"

server_ns="zk_server_$$"
guest_ns="zk_server_guest_$$"
link_namespaces "$server_ns" "$guest_ns"

# Before any server runs, the player's join screen explains its empty list.
(cd "$guest_dir" && exec ip netns exec "$guest_ns" nice -n 10 "$zarnok") &
guest_pid=$!
pids+=("$guest_pid")
window=$(wait_window "$guest_pid") || fail "no window for the player"
xdotool windowfocus "$window" 2>/dev/null || true
read -r width height < <(xdotool getdisplaygeometry)
wait_until_still "$shots/guest.start.png"
click_at 0 0.05  # main menu: join a network game
_explained() {
    shot "$shots/guest.empty.png"
    [ "$(list_text_width "$shots/guest.empty.png" 3)" -gt $((width / 6)) ]
}
poll _explained || fail "the empty list said nothing"
click_at 0.1 -0.41  # "Cancel"
wait_until_still "$shots/guest.start.png"

(cd "$server_dir" && exec ip netns exec "$server_ns" env -u DISPLAY "$zarnok" --server \
    --map bot_range.map --bots 2 --frags 99 --name "LAN server" >out.txt 2>err.txt) &
server_pid=$!
pids+=("$server_pid")
poll grep -q '"LAN server" on 10.77.0.1' "$server_dir/out.txt" ||
    fail "the server did not start: $(cat "$server_dir/out.txt" "$server_dir/err.txt")"
join_host "$shots/guest"
# The row said what the game is, not just its address: far wider than "10.77.0.1".
[ "$(list_text_width "$shots/guest.chosen.png")" -gt $((width / 6)) ] ||
    fail "the server's row holds no more than its address"
poll grep -q 'joined from 10.77.0.2' "$server_dir/out.txt" ||
    fail "the server did not announce the join: $(cat "$server_dir/out.txt")"

# Standing still, the player sees the scene change: the bots walk.
scene "$shots/guest.joined.png" "$shots/guest_bots.scene.png"
_bots_move() {
    mv "$shots/guest_bots.scene.png" "$shots/guest_before.scene.png"
    shot "$shots/guest_bots.png"
    scene "$shots/guest_bots.png" "$shots/guest_bots.scene.png"
    [ "$(differing "$shots/guest_before.scene.png" "$shots/guest_bots.scene.png")" -gt 200 ]
}
E2E_TIMEOUT=$((E2E_TIMEOUT * 2)) poll _bots_move || fail "standing still, the player saw nothing move"

# A kill: the server prints it, and the player's statistics table (held open) counts it.
xdotool keydown Tab
_kill_counted() {
    shot "$shots/guest_table.png"
    grep -q ' killed ' "$server_dir/out.txt" &&
        [ "$(table_numbers "$shots/guest_table.png" | sort -u | wc -l)" -gt 1 ]
}
E2E_TIMEOUT=$((E2E_TIMEOUT * 2)) poll _kill_counted ||
    fail "no kill in the server's output and the player's table: $(cat "$server_dir/out.txt")"
xdotool keyup Tab
shot "$shots/guest_playing.png"

# SIGTERM: the server closes cleanly and the player is told.
kill -TERM "$server_pid"
status=0
wait "$server_pid" || status=$?
server_pid=""
[ "$status" -eq 0 ] || fail "the server ended with status $status: $(cat "$server_dir/err.txt")"
grep -q 'closed by signal 15' "$server_dir/out.txt" || fail "the server did not say it closed"
log=$server_dir/log.txt
[ "$(counter "$log" sentsrv_srvcl)" -ge 1 ] || { cat "$log"; fail "the player was not told"; }
[ "$(counter "$log" sentsrv_bulst)" -ge 1 ] || { cat "$log"; fail "no bot shot reached the player"; }
wait_until_changed "$shots/guest_playing.png" "$shots/guest_told.png" ||
    fail "the player's screen did not change when the server closed"
sleep 1
shot "$shots/guest_told.png"
[ "$(told_band_differs "$shots/guest_told.png" "$shots/guest.menu.png")" -lt 2000 ] ||
    fail "after the server closed, the player's screen is not the menu"
close_game "$guest_pid" || true
guest_pid=""
echo "PASS: a dedicated server was found, joined and played on, and told its player it closed"
