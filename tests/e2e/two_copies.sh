#!/usr/bin/env bash
# Two copies of the game on one machine. The first hosts with two bots and so holds both ports;
# the second says so at start on stderr, and when its player presses "Connect" its screen tells
# why it cannot join instead of sending: the first's server never hears of a second player, and
# the first's match goes on.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
start_lan_test "$1" "$2" first second
make_netns "zk_two_$$"

start_lan_game first "zk_two_$$" "the first copy"
host_with_bots 2 0 "$shots/first.form.png"
first_display=$DISPLAY

second_display=$(start_private_display "$work/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$work/xvfb.pid")
export DISPLAY=$second_display
start_lan_game second "zk_two_$$" "the second copy"
poll grep -q "7050/7051 are in use" "$work/second/err.txt" || fail "the second copy did not say its ports are taken"

wait_until_still "$shots/second.menu.png" || fail "the second copy's menu never settled"
click_at 0 0.05          # main menu: join a network game
wait_until_changed "$shots/second.menu.png" "$shots/second.join.png" || fail "no join screen"
wait_until_still "$shots/second.join.png" || fail "the join screen never settled"
click_at 0.35 -0.41      # "Connect"
wait_until_changed "$shots/second.join.png" "$shots/second.told.png" ||
    fail "the second copy's screen did not change on Connect"
close_game "${pids[1]}" || fail "the second copy did not close"

export DISPLAY=$first_display
shot "$shots/first.after.png"
close_game "${pids[0]}" || fail "the first copy did not close"
visitors=$(grep -c ' was here ' "$work/first/log.txt" || true)
[ "$visitors" -eq 1 ] || fail "the first copy's server saw $visitors players: $(grep ' was here ' "$work/first/log.txt")"
echo "PASS: the second copy told its player instead of joining the first's game"
