#!/usr/bin/env bash
# Level changes seen by a player who joined: wherever a level puts it, it stands on the map the
# server plays. The host starts a deathmatch from the menus with six bots, a frag limit of one
# and two maps in the rotation, so that a level ends at the first kill; a second player on a
# machine of its own (network namespaces joined by a veth pair, a screen of its own) joins and
# stands still while the levels change. Each game writes "placed on <map> at <x> <y> <z>" to
# stderr when a new level has placed its player. Five such lines of the second player are read
# as they come: each must name a spawn point of that map's file, and the map the host was
# placed on at the same moment. A placement made from the previous level's answer (a spawn point
# of the other map: inside a cylinder or in the air) fails here.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/common.bash"
source "$here/lan_screens.bash"
start_lan_test "$1" "$2" host guest
host_dir=$work/host
guest_dir=$work/guest

# Two maps whose spawn points differ, in the order the new-game list shows them.
rotation=(arena.map quarry.map)
for dir in "$host_dir" "$guest_dir"; do
    for map in "$dir"/maps/*.map; do
        case " ${rotation[*]} " in *" $(basename "$map") "*) ;; *) rm -f "$map" ;; esac
    done
done
for map in "${rotation[@]}"; do
    [ -f "$host_dir/maps/$map" ] || fail "the run folder has no maps/$map"
done
# The new-game screen shows its bots box only when the tuning file asks for it.
sed -i 's/^SHOW_BOTS .*/SHOW_BOTS 1/' "$host_dir/config.txt"

# The spawn points of map file $1, one "x y z" a line, "," read as the decimal separator too.
spawn_points() {
    tr -d '\r' < "$1" | awk '
        step == 0 && ($1 == "players" || $1 == "teamplayers") && NF == 1 { step = 1; next }
        step == 1 { count = $1 + 0; step = 2; next }
        step == 2 { step = 3; next }  # the column header
        step == 3 && count > 0 { gsub(",", "."); print $1, $2, $3; if (--count == 0) step = 0 }'
}
for map in "${rotation[@]}"; do
    spawn_points "$host_dir/maps/$map" > "$work/$map.spawns"
    [ -s "$work/$map.spawns" ] || fail "no spawn points read from maps/$map"
done

# Whether x y z ($2..$4) is one of the spawn points of map $1 (to a hundredth).
is_spawn_point() {
    [ -f "$work/$1.spawns" ] || return 1
    awk -v x="$2" -v y="$3" -v z="$4" '
        function near(a, b) { return a - b < 0.01 && b - a < 0.01 }
        near($1, x) && near($2, y) && near($3, z) { found = 1 }
        END { exit !found }' "$work/$1.spawns"
}

# The "placed on" lines of the game in $1/err.txt not yet in $1/placed, added to it as
# "<seconds when first seen> <map> <x> <y> <z> <the line>".
: > "$host_dir/placed"
: > "$guest_dir/placed"
take_placements() {
    local dir=$1 now seen line lines
    now=$(date +%s.%N)
    seen=$(wc -l < "$dir/placed")
    # A line still being written is left for the next look.
    cp "$dir/err.txt" "$dir/err.snapshot" 2>/dev/null || return 0
    [ -z "$(tail -c 1 "$dir/err.snapshot")" ] || sed -i '$d' "$dir/err.snapshot"
    lines=$(grep -a '^zarnok: placed on ' "$dir/err.snapshot" | tail -n +$((seen + 1))) || true
    [ -n "$lines" ] || return 0
    while IFS= read -r line; do
        # shellcheck disable=SC2086
        set -- $line
        [ "$#" -eq 8 ] && [ "$5" = at ] || fail "a placement line out of shape: '$line'"
        echo "$now $4 $6 $7 $8 $line" >> "$dir/placed"
    done <<< "$lines"
}

# Every placement of $1 from line $2 on stands on a spawn point of the map it names.
check_positions() {
    local dir=$1 who=$2 from=$3 at map x y z line
    while read -r at map x y z line; do
        is_spawn_point "$map" "$x" "$y" "$z" ||
            fail "$who was placed off the spawn points of $map: '$line'"
    done < <(tail -n +"$from" "$dir/placed")
}

host_display=$DISPLAY
guest_display=$(start_private_display "$work/xvfb.pid") || fail "no second X display"
xvfb_pid=$(cat "$work/xvfb.pid")

link_namespaces "zk_levels_host_$$" "zk_levels_guest_$$"
start_lan_game host "zk_levels_host_$$" "the host"
wait_until_still "$shots/host.start.png"
# Deathmatch, six bots, one frag ends a level, both maps in the rotation.
host_with_bots 6 0 "$shots/host_new_game.png" 1 2
host_pid=${pids[0]}

export DISPLAY=$guest_display
start_lan_game guest "zk_levels_guest_$$" "the second player"
guest_pid=${pids[1]}
wait_until_still "$shots/guest.start.png"
join_host "$shots/guest"

# Five level changes of the second player: each placement is checked as it comes. A level
# takes a kill and the five seconds of its end; the time-out leaves room for slow kills.
host_checked=1
guest_checked=1
_five_placements() {
    kill -0 "$host_pid" 2>/dev/null || fail "the host's game ended: $(tail -n 5 "$host_dir/err.txt")"
    kill -0 "$guest_pid" 2>/dev/null ||
        fail "the second player's game ended: $(tail -n 5 "$guest_dir/err.txt")"
    take_placements "$host_dir"
    take_placements "$guest_dir"
    check_positions "$host_dir" "the host" "$host_checked"
    check_positions "$guest_dir" "the second player" "$guest_checked"
    host_checked=$(($(wc -l < "$host_dir/placed") + 1))
    guest_checked=$(($(wc -l < "$guest_dir/placed") + 1))
    [ "$guest_checked" -gt 5 ]
}
started=$SECONDS
E2E_TIMEOUT=240 poll _five_placements ||
    fail "the second player went through $((guest_checked - 1)) level changes in 4 minutes, not 5:" \
        "$(cat "$guest_dir/placed")"
echo "five level changes in $((SECONDS - started)) s"

# The host's placement for the fifth level comes at most a few frames after the second
# player's: it is awaited before the maps are compared.
fifth=$(awk 'NR == 5 { print $1 }' "$guest_dir/placed")
_host_caught_up() {
    take_placements "$host_dir"
    awk -v t="$fifth" '$1 > t - 2.5 { found = 1 } END { exit !found }' "$host_dir/placed"
}
E2E_TIMEOUT=10 poll _host_caught_up || fail "the host was not placed in the fifth level"
check_positions "$host_dir" "the host" "$host_checked"

# Each placement of the second player names the map the host was placed on at that moment:
# levels start at least five seconds apart, so the host's placement for the same level is the
# one seen within 2.5 s of it.
while read -r at map _ _ _ line; do
    host_map=$(awk -v t="$at" '$1 > t - 2.5 && $1 < t + 2.5 { print $2 }' "$host_dir/placed" | tail -n 1)
    [ -n "$host_map" ] || fail "the second player was placed when the host started no level: '$line'"
    [ "$map" = "$host_map" ] ||
        fail "the second player was placed on $map while the host played $host_map: '$line'"
done < <(head -n 5 "$guest_dir/placed")

# Both games close on request, and the lines are in the second player's log.txt too.
close_game "$guest_pid" || fail "the second player's game did not close on request"
export DISPLAY=$host_display
close_game "$host_pid" || fail "the host's game did not close on request"
[ "$(grep -c '^placed on ' "$guest_dir/log.txt")" -ge 5 ] ||
    fail "the second player's log.txt holds no placements: $(cat "$guest_dir/log.txt")"
cut -d ' ' -f 6- "$guest_dir/placed"
echo "PASS: the second player stood on a spawn point of the host's map after each of five level changes"
