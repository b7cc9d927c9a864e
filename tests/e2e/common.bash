# Shared by the end-to-end tests (sourced, not run): one time-out for every wait, the game's
# window, clicks at the menus' normalised coordinates, screenshots that are awaited rather than
# slept for, network namespaces, and a graceful close. A test that cannot run here exits with
# E2E_SKIP, which CTest reports as skipped.

E2E_TIMEOUT=${E2E_TIMEOUT:-60}  # seconds; the machines running these tests are often busy
E2E_SKIP=77

skip() {
    echo "SKIP: $*"
    exit "$E2E_SKIP"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs "$@" every 0.1 s until it succeeds (0) or E2E_TIMEOUT passes (1).
poll() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Prints the id of the visible window named "zarnok" of process $1; fails when the process ends
# or no window shows within the time-out.
wait_window() {
    local pid=$1 id="" deadline=$((SECONDS + E2E_TIMEOUT))
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --pid "$pid" --name '^zarnok$' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

shot() {
    import -window root "$1"
}

# Pixels that differ between two screenshots (compare may print large counts as 1.3e+06).
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }' || true
}

# Takes screenshot $2 until it differs from $1 in more than ${3:-1000} pixels.
_changed_from() {
    shot "$2" && [ "$(differing "$1" "$2")" -gt "${3:-1000}" ]
}
wait_until_changed() {
    poll _changed_from "$@"
}

# Takes screenshot $1 until two taken 0.2 s apart are the same: the screen has settled.
_still() {
    shot "$1.before.png" && sleep 0.2 && shot "$1" && [ "$(differing "$1.before.png" "$1")" -eq 0 ]
}
wait_until_still() {
    poll _still "$1"
}

# Clicks at normalised device coordinates (x, y in -1..1, y up) of the display.
click_at() {
    local x=$1 y=$2 width height
    read -r width height < <(xdotool getdisplaygeometry)
    local px py
    px=$(awk -v x="$x" -v w="$width" 'BEGIN { printf "%d", (x + 1) / 2 * w }')
    py=$(awk -v y="$y" -v h="$height" 'BEGIN { printf "%d", (1 - y) / 2 * h }')
    xdotool mousemove "$px" "$py"
    sleep 0.2
    xdotool click 1
}

# Hosts a game from the main menu on the first map; the screen then leaves the menus.
host_from_menus() {
    local work=$1
    shot "$work/menu_before_hosting.png"
    click_at 0 0.15      # main menu: new game
    wait_until_changed "$work/menu_before_hosting.png" "$work/new_game.png" ||
        fail "the new-game screen did not open"
    click_at -0.35 0.025 # first available map
    click_at 0 0.01      # ">>" adds it to the rotation
    shot "$work/map_chosen.png"
    click_at 0.35 -0.41  # "Start game"
    wait_until_changed "$work/map_chosen.png" "$work/hosted.png" ||
        fail "the screen still shows the menus after Start game"
}

# Skips the test when network namespaces cannot be made here.
require_netns() {
    local probe="zk_probe_$$"
    ip netns add "$probe" 2>/dev/null || skip "network namespaces are not permitted here"
    ip netns del "$probe"
}

# A namespace with its loopback up; removed by cleanup_netns.
make_netns() {
    ip netns add "$1"
    ip netns exec "$1" ip link set lo up
    NAMESPACES+=("$1")
}

# Two namespaces $1 and $2 joined by a veth pair as 10.77.0.1 and 10.77.0.2: two machines on a
# LAN of their own. The limited broadcast needs a route; here it can only reach the peer.
link_namespaces() {
    local a=$1 b=$2 link_a="zka$$" link_b="zkb$$"
    make_netns "$a"
    make_netns "$b"
    ip link add "$link_a" netns "$a" type veth peer name "$link_b" netns "$b"
    ip netns exec "$a" ip addr add 10.77.0.1/24 dev "$link_a"
    ip netns exec "$b" ip addr add 10.77.0.2/24 dev "$link_b"
    ip netns exec "$a" ip link set "$link_a" up
    ip netns exec "$b" ip link set "$link_b" up
    ip netns exec "$a" ip route add default dev "$link_a"
    ip netns exec "$b" ip route add default dev "$link_b"
}

# Namespaces $2... as machines 10.77.0.1, 10.77.0.2, ... on one LAN: each joined by a veth pair
# to a bridge inside namespace $1, which nothing else reaches.
bridge_namespaces() {
    local lan=$1 n=0 ns
    shift
    make_netns "$lan"
    ip netns exec "$lan" ip link add zkbr type bridge
    ip netns exec "$lan" ip link set zkbr up
    for ns in "$@"; do
        n=$((n + 1))
        make_netns "$ns"
        ip link add "zkm$n$$" netns "$ns" type veth peer name "zkp$n$$" netns "$lan"
        ip netns exec "$lan" ip link set "zkp$n$$" master zkbr up
        ip netns exec "$ns" ip addr add "10.77.0.$n/24" dev "zkm$n$$"
        ip netns exec "$ns" ip link set "zkm$n$$" up
        ip netns exec "$ns" ip route add default dev "zkm$n$$"
    done
}

# Starts an X server of its own (a second screen); prints its display name. Its process id goes
# to the file $1 so that the caller can stop it. It never resets: a reset when the last client
# leaves would take the display from a game connecting in that moment.
start_private_display() {
    local pid_file=$1 number_file
    number_file=$(mktemp)
    # The server picks a free display number and writes it to the given descriptor.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
    echo $! > "$pid_file"
    poll test -s "$number_file" || return 1
    echo ":$(tr -d '[:space:]' < "$number_file")"
    rm -f "$number_file"
}

# Hosts from the main menu: new game, $1 bots (the tuning file must show the bots box), the game
# type moved on $2 times (DeathMatch, CTF, TDM), the frag limit ${4:-} if given, the first ${5:-1}
# maps of the list in the rotation, "Start game". The new-game form as filled in goes to the
# screenshot $3.
host_with_bots() {
    local bots=$1 steps=$2 form=$3 frag_limit=${4:-} maps=${5:-1} row
    shot "$form.before.png"
    click_at 0 0.15          # main menu: new game
    wait_until_changed "$form.before.png" "$form" || fail "the new-game screen did not open"
    _type_into 0.3 0.37 "$bots"              # the bots box
    [ -z "$frag_limit" ] || _type_into -0.15 0.17 "$frag_limit"  # the frag limit box
    for _ in $(seq "$steps"); do
        click_at 0.47 0.245  # the game type's right arrow
        sleep 0.3
    done
    for row in $(seq 0 $((maps - 1))); do
        # The available maps, one a row of 0.05 from the first.
        click_at -0.35 "$(awk -v r="$row" 'BEGIN { print 0.025 - 0.05 * r }')"
        sleep 0.3
        click_at 0 0.01      # ">>" adds it to the rotation
        sleep 0.3
    done
    shot "$form"
    click_at 0.35 -0.41      # "Start game"
    wait_until_changed "$form" "$form.hosted.png" ||
        fail "the screen still shows the menus after Start game"
}

# Replaces the text of the edit box at ($1, $2) with $3.
_type_into() {
    click_at "$1" "$2"
    sleep 0.3
    xdotool key --delay 80 End BackSpace BackSpace BackSpace
    xdotool type --delay 80 "$3"
}

cleanup_netns() {
    local ns
    for ns in "${NAMESPACES[@]:-}"; do
        [ -n "$ns" ] && ip netns del "$ns" 2>/dev/null || true
    done
}

# Ends the game as a player closing the window would (or with signal $2), and waits for it to
# write its files.
close_game() {
    local pid=$1
    kill -"${2:-TERM}" "$pid" 2>/dev/null || true
    if ! poll eval "! kill -0 $pid 2>/dev/null"; then
        kill -KILL "$pid" 2>/dev/null || true
        return 1
    fi
}

# The arguments of every end-to-end test: the program and the run folder it plays from.
take_test_arguments() {
    zarnok=$(realpath "$1")
    run_folder=$2
}

# A test of one game in a network namespace of its own: its arguments, the check that namespaces
# are permitted, and a scratch folder removed at exit with the game and its namespaces.
start_namespaced_test() {
    take_test_arguments "$@"
    require_netns
    start_scratch_folder
}

# A scratch folder ($work) for one game ($pid, once started), removed at exit together with the
# game and the network namespaces the test made.
start_scratch_folder() {
    work=$(mktemp -d)
    NAMESPACES=()
    pid=""
    trap _remove_scratch_folder EXIT
}
_remove_scratch_folder() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    cleanup_netns
    rm -rf "$work"
}

# A test of several machines on a LAN: its arguments, the check that namespaces are permitted, a
# copy of the run folder per machine named in "$@" ($work/<name>), the screenshots folder
# ($shots), and at exit the end of every process in $pids and of $xvfb_pid, the namespaces and
# $work.
start_lan_test() {
    take_test_arguments "$1" "$2"
    shift 2
    require_netns
    work=$(mktemp -d)
    shots=${ZARNOK_SHOTS:-$work/shots}
    mkdir -p "$shots"
    local machine
    for machine in "$@"; do
        mkdir -p "$work/$machine"
        cp -r "$run_folder"/. "$work/$machine"/
        rm -f "$work/$machine/log.txt"
    done
    NAMESPACES=()
    pids=()
    xvfb_pid=""
    trap _end_lan_test EXIT
}
# Starts the game of machine $1 ($work/$1, stderr in its err.txt) in namespace $2 on the current
# display, adds it to $pids, waits for its window ($window) and focuses it; $3 names the player
# when it fails.
start_lan_game() {
    (cd "$work/$1" && exec ip netns exec "$2" nice -n 10 "$zarnok" 2>err.txt) &
    local game=$!
    pids+=("$game")
    window=$(wait_window "$game") || fail "no window for $3: $(cat "$work/$1/err.txt")"
    xdotool windowfocus "$window" 2>/dev/null || true
}
_end_lan_test() {
    local p
    for p in "${pids[@]:-}"; do
        [ -n "$p" ] && kill -KILL "$p" 2>/dev/null || true
    done
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null || true
    cleanup_netns
    rm -rf "$work"
}
