#!/usr/bin/env bash
# Moving in a hosted game: after "Start game", holding W walks the player and Space makes it jump.
# Both views follow the player, so the arena slides across the screen when it walks and shifts
# in the side view while it is in the air, and a player at rest sees a still picture. The game
# runs in a network namespace of its own, so its broadcasts stay there.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"

# Share of the pixels (percent) in which two screenshots, or their side-view halves, differ.
differing_percent() {
    local a=$1 b=$2 crop=${3:-100%x100%}
    local pixels total
    convert "$a" -crop "$crop+0+0" +repage "$work/first.png"
    convert "$b" -crop "$crop+0+0" +repage "$work/second.png"
    pixels=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)
    total=$(convert "$work/first.png" -format "%[fx:w*h]" info:)
    awk -v p="${pixels%% *}" -v t="$total" 'BEGIN { printf "%d", 100 * p / t }'
}

# Waits until two screenshots a second apart differ in at most 2 % of their pixels (the player
# has come to rest: at a low frame rate a released key's axis takes a while to die down) and
# leaves the last one in $1. Fails after a minute.
wait_still() {
    local shot=$1 previous="$work/previous.png"
    import -window root "$previous"
    for _ in $(seq 60); do
        sleep 1
        import -window root "$shot"
        [ "$(differing_percent "$previous" "$shot")" -le 2 ] && return 0
        cp "$shot" "$previous"
    done
    return 1
}

cp -r "$run_folder"/. "$work"/
make_netns "zk_move_$$"
(cd "$work" && exec ip netns exec "zk_move_$$" "$zarnok") &
pid=$!
window=$(wait_window "$pid") || fail "no game window"
xdotool windowfocus "$window" 2>/dev/null || true
host_from_menus "$work"
wait_still "$work/still.png" || fail "the picture keeps changing while nobody plays"

xdotool keydown w
sleep 1.5
xdotool keyup w
wait_still "$work/walked.png" || fail "the player never came to rest after walking"
walked=$(differing_percent "$work/still.png" "$work/walked.png")
if [ "$walked" -lt 20 ]; then
    fail "holding W changed only $walked % of the picture: the player did not walk"
fi

# Space held for a few seconds jumps again each time the player has landed and the jump
# timeout has passed; at a low frame rate a jump may be in the air for a single frame, so
# shots are taken all along and the one that differs most from the rest counts.
xdotool keydown space
shots=$(seq 12)
for shot in $shots; do
    import -window root "$work/jump_$shot.png"
done
xdotool keyup space
wait_still "$work/landed.png" || fail "the player never came to rest after jumping"
jumped=0
for shot in $shots; do
    moved=$(differing_percent "$work/jump_$shot.png" "$work/landed.png" 50%x100%)
    [ "$moved" -gt "$jumped" ] && jumped=$moved
done
if [ "$jumped" -lt 20 ]; then
    fail "Space did not lift the player: the side view changed by $jumped % at most"
fi
close_game "$pid" || fail "the game did not close on request"
pid=""
echo "PASS: W walks ($walked % of the picture moved) and Space jumps ($jumped % of the side view)"
