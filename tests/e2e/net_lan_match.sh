#!/usr/bin/env bash
# A LAN match between two real programs, each in a network namespace of its own joined by a veth
# pair, each with a screen of its own. The host starts a team deathmatch with two bots from the
# menus; the second player finds it in the join screen's server list, picks a team and
# connects. From the second player's screen: standing still it sees the bots walk and fire; a
# kill shows alike in both machines' statistics tables; walking moves its view. Both fire; the
# second player leaves through the in-game menu and the host removes it from its table; the
# second player joins again, the host closes its game and the second player is taken back to
# the menu with the message that the server does not answer.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
take_test_arguments "$@"
require_netns
host_dir=$(mktemp -d)
guest_dir=$(mktemp -d)
shots=${ZARNOK_SHOTS:-$host_dir/shots}
mkdir -p "$shots"
NAMESPACES=()
host_pid=""
guest_pid=""
xvfb_pid=""
cleanup() {
    for p in "$host_pid" "$guest_pid"; do
        [ -n "$p" ] && kill -KILL "$p" 2>/dev/null || true
    done
    if [ -n "$xvfb_pid" ]; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    cleanup_netns
    rm -rf "$host_dir" "$guest_dir"
}
trap cleanup EXIT
# A counter line of a log.txt ("sentsrv_delpl 12" gives 12).
counter() { awk -v label="$2" '$1 == label { print $2 }' "$1"; }

host_ns="zk_match_host_$$"
guest_ns="zk_match_guest_$$"
link_namespaces "$host_ns" "$guest_ns"
for dir in "$host_dir" "$guest_dir"; do
    cp -r "$run_folder"/. "$dir"/
    rm -f "$dir/log.txt"
done
# The new-game screen shows its bots box only when the tuning file asks for it.
sed -i 's/^SHOW_BOTS .*/SHOW_BOTS 1/' "$host_dir/config.txt"
# A test arena instead of the shipped maps, whose pillars the bots (walking straight at their
# target) get stuck behind: the blue spawn points stand on a wide low platform that the bots,
# spawning on open ground with the red team, walk up to but cannot climb; from its edge they
# reach the blue points. The host plays blue, the second player red: behind the bots, it sees
# them walk off and fire at the host, and they never shoot it.
for dir in "$host_dir" "$guest_dir"; do
    rm -f "$dir"/maps/*.map
    cp "$here/bot_range.map" "$dir/maps/"
done

host_display=$DISPLAY
guest_display=$(start_private_display "$guest_dir/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$guest_dir/xvfb.pid")

# Moves forward a while, turns, and fires a few shots: a player in the match.
move_and_fire() {
    xdotool keydown w
    sleep 0.8
    xdotool keyup w
    xdotool mousemove_relative -- 60 0
    # The button is read as held once a frame: a click too quick for a busy machine's frame
    # would be missed, so it is held a while.
    xdotool mousedown 1
    sleep 1
    xdotool mouseup 1
}

start_guest() {
    (cd "$guest_dir" && exec ip netns exec "$guest_ns" nice -n 10 "$zarnok") &
    guest_pid=$!
    local window
    window=$(wait_window "$guest_pid") || fail "no window for the second player"
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 2
}

# Both games run niced: drawing as fast as they can, they would starve the screenshots.
(cd "$host_dir" && exec ip netns exec "$host_ns" nice -n 10 "$zarnok") &
host_pid=$!
window=$(wait_window "$host_pid") || fail "no host window"
xdotool windowfocus "$window" 2>/dev/null || true
sleep 2
# Two bots, team deathmatch; a frag limit the bots do not reach while the test looks on.
host_with_bots 2 2 "$shots/host_new_game.png" 99

export DISPLAY=$guest_display
start_guest
join_host "$shots/guest"

read -r width height < <(xdotool getdisplaygeometry)

# Keeps the first screenshot $1 that shows a shot as guest_bullet.png: the glowing orange of a
# muzzle flash or a tracer in the scene. On the second player's machine a bot's flash and its
# bullet both come from one message, the host's word that the bot fired.
look_for_bullets() {
    [ -f "$shots/guest_bullet.png" ] && return
    scene "$1" "$1.scene.png"
    local glowing
    glowing=$(convert "$1.scene.png" -fuzz 9% -fill white -opaque '#FAB25E' -fill black \
        +opaque white -format '%[fx:round(mean*w*h)]' info:)
    if [ "$glowing" -gt 10 ]; then cp "$1" "$shots/guest_bullet.png"; fi
}

# Standing still from the moment it enters, the second player sees the bots come: its scene
# changes from one look to the next, and a bullet flies.
export DISPLAY=$guest_display
scene "$shots/guest.joined.png" "$shots/guest_bots.scene.png"
_bots_seen() {
    mv "$shots/guest_bots.scene.png" "$shots/guest_before.scene.png"
    shot "$shots/guest_bots.png"
    look_for_bullets "$shots/guest_bots.png"
    scene "$shots/guest_bots.png" "$shots/guest_bots.scene.png"
    [ -f "$shots/guest_bullet.png" ] &&
        [ "$(differing "$shots/guest_before.scene.png" "$shots/guest_bots.scene.png")" -gt 200 ]
}
poll _bots_seen || fail "standing still, the second player saw no bot move or no bullet fly"

# A kill, made on either machine, shows on both: the two statistics tables (held open with Tab)
# read the same, and not every number in them is the same (as when nobody has scored).
panel="$((width / 2))x$((height / 2))+$((width / 4))+$((height / 4))"
DISPLAY=$host_display xdotool keydown Tab
xdotool keydown Tab
_kill_on_both() {
    DISPLAY=$host_display shot "$shots/host_table.png"
    shot "$shots/guest_table.png"
    hud_text "$shots/host_table.png" "$panel" "$shots/host_table.text.png"
    hud_text "$shots/guest_table.png" "$panel" "$shots/guest_table.text.png"
    [ "$(differing "$shots/host_table.text.png" "$shots/guest_table.text.png")" -eq 0 ] &&
        [ "$(table_numbers "$shots/guest_table.png" | sort -u | wc -l)" -gt 1 ]
}
E2E_TIMEOUT=$((E2E_TIMEOUT * 2)) poll _kill_on_both ||
    fail "no kill showed alike in both statistics tables"
DISPLAY=$host_display xdotool keyup Tab
xdotool keyup Tab

# The second player walks: its split view follows it across the arena. A respawn would move
# the view too, so the walk starts once its "Kills" and "Deaths" lines have read the same for
# longer than a respawn takes (it is alive), and they must still read so after it.
own_score="$((width / 4))x$((height / 8))+0+0"
_same_score() {
    hud_text "$1" "$own_score" "$1.text.png"
    hud_text "$2" "$own_score" "$2.text.png"
    [ "$(differing "$1.text.png" "$2.text.png")" -eq 0 ]
}
_walked() {
    shot "$shots/guest_alive.png"
    sleep 3
    shot "$shots/guest_standing.png"
    _same_score "$shots/guest_alive.png" "$shots/guest_standing.png" || return 1
    xdotool keydown w
    sleep 1
    xdotool keyup w
    sleep 0.5
    shot "$shots/guest_walked.png"
    scene "$shots/guest_standing.png" "$shots/guest_standing.scene.png"
    scene "$shots/guest_walked.png" "$shots/guest_walked.scene.png"
    _same_score "$shots/guest_standing.png" "$shots/guest_walked.png" &&
        [ "$(differing "$shots/guest_standing.scene.png" "$shots/guest_walked.scene.png")" -gt \
            $((width * height / 5)) ]
}
poll _walked || fail "the second player's view did not follow its walk"

move_and_fire
export DISPLAY=$host_display
move_and_fire
sleep 1
shot "$shots/host_playing.png"
export DISPLAY=$guest_display
shot "$shots/guest_playing.png"

# The second player leaves through the in-game menu: Esc, down to "Exit", Enter.
xdotool key Escape
sleep 0.5
shot "$shots/guest_in_game_menu.png"
xdotool key --delay 150 Down Down Down Down Down Down Return
for _ in $(seq 100); do
    kill -0 "$guest_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$guest_pid" 2>/dev/null && fail "the second player's game did not close from its menu"
guest_pid=""
[ -f "$guest_dir/log.txt" ] || fail "the second player's game wrote no log.txt"
mv "$guest_dir/log.txt" "$shots/guest_first_log.txt"
sleep 3

# Back again, then the host closes its game.
start_guest
join_host "$shots/guest_again"
export DISPLAY=$host_display
close_game "$host_pid" || fail "the host did not close on request"
host_pid=""
export DISPLAY=$guest_display
wait_until_changed "$shots/guest_again.joined.png" "$shots/guest_told.png" ||
    fail "the second player's screen did not change when the host closed"
sleep 1
shot "$shots/guest_told.png"
close_game "$guest_pid" || true
guest_pid=""

log=$host_dir/log.txt
[ -f "$log" ] || fail "the host wrote no log.txt"
# Two visits of the second player, each under a fresh id, each reporting its state.
visits=$(grep -Ec '^player [0-9]+ 10\.77\.0\.2 was here [0-9]{2,}$' "$log" || true)
[ "$visits" -ge 2 ] || { cat "$log"; fail "the host heard the second player's reports $visits times, not twice"; }
# Its leave was announced to the host's own client until confirmed.
[ "$(counter "$log" sentsrv_delpl)" -ge 1 ] || { cat "$log"; fail "the host never removed the leaving player"; }
[ "$(counter "$log" sentsrv_added)" -ge 2 ] || { cat "$log"; fail "the host announced no bots"; }
# Shots fired on either machine were passed on to the other.
[ "$(counter "$log" sentsrv_bulst)" -ge 1 ] || { cat "$log"; fail "no shot reached the other machine"; }

# Told: the second player's screen is its menu again, with the message box over it. The top
# band (the title) matches the menu it started with, dimmed; the middle (the box) does not.
region_differs() {
    convert "$1" -crop "$3" +repage "$host_dir/a.png"
    convert "$2" -crop "$3" +repage "$host_dir/b.png"
    compare -metric AE -fuzz 5% "$host_dir/a.png" "$host_dir/b.png" null: 2>&1 |
        awk '{ printf "%d", $1 }' || true
}
[ "$(told_band_differs "$shots/guest_told.png" "$shots/guest.menu.png")" -lt 2000 ] ||
    fail "after the host closed, the second player's screen is not the menu"
pixels=$(region_differs "$shots/guest_told.png" "$shots/guest.menu.png" 30%x20%+448+410)
[ "$pixels" -gt 2000 ] || fail "after the host closed, the second player sees no message"
echo "PASS: a LAN match from the menus: found, joined, played, left, rejoined and told of the close"
