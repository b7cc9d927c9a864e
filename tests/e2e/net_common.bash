# Shared by the network end-to-end tests (sourced, not run): network namespaces, clicks at the
# menus' normalised coordinates, and waiting for the game's window.

# The exit status CTest reads as "skipped" (SKIP_RETURN_CODE in tests/CMakeLists.txt).
SKIP_STATUS=77

# Skips the test, with its reason, when network namespaces cannot be made here.
require_netns() {
    local probe="zk_probe_$$"
    if ! ip netns add "$probe" 2>/dev/null; then
        echo "SKIP: network namespaces are not permitted here (ip netns add failed)"
        exit "$SKIP_STATUS"
    fi
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

# Starts an X server of its own (a second screen); prints its display name. Its process id goes
# to the file $1 so that the caller can stop it.
start_private_display() {
    local pid_file=$1 number_file
    number_file=$(mktemp)
    # The server picks a free display number and writes it to the given descriptor.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    echo $! > "$pid_file"
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        sleep 0.1
    done
    [ -s "$number_file" ] || return 1
    echo ":$(tr -d '[:space:]' < "$number_file")"
    rm -f "$number_file"
}

cleanup_netns() {
    local ns
    for ns in "${NAMESPACES[@]:-}"; do
        [ -n "$ns" ] && ip netns del "$ns" 2>/dev/null || true
    done
}

# Waits up to 90 s (a busy machine starts slowly) for a window named "zarnok" owned by process $1
# on $DISPLAY; prints its id.
wait_window() {
    local pid=$1 id=""
    for _ in $(seq 900); do
        id=$(xdotool search --pid "$pid" --name '^zarnok$' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
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
    sleep 0.4
}

# Ends the game as a player closing the window would, and waits for it to write its files.
close_game() {
    local pid=$1
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    return 1
}

# Hosts from the main menu: new game, $1 bots (the tuning file must show the bots box), the game
# type moved on $2 times (DeathMatch, CTF, TDM), the first map, "Start game".
host_with_bots() {
    local bots=$1 steps=$2
    click_at 0 0.15          # main menu: new game
    click_at 0.3 0.37        # the bots box
    xdotool key --delay 80 End BackSpace BackSpace BackSpace
    xdotool type --delay 80 "$bots"
    for _ in $(seq "$steps"); do
        click_at 0.47 0.245  # the game type's right arrow
    done
    click_at -0.35 0.025     # first available map
    click_at 0 0.01          # ">>" adds it to the rotation
    import -window root "${HOST_FORM_SHOT:-/dev/null}" 2>/dev/null || true
    click_at 0.35 -0.41      # "Start game"
}
