# Shared by the network end-to-end tests (sourced, not run): network namespaces, clicks at the
# menus' normalised coordinates, and waiting for the game's window.

# Skips the test (exit 0 with a reason) when network namespaces cannot be made here.
require_netns() {
    local probe="zk_probe_$$"
    if ! ip netns add "$probe" 2>/dev/null; then
        echo "SKIP: network namespaces are not permitted here (ip netns add failed)"
        exit 0
    fi
    ip netns del "$probe"
}

# A namespace with its loopback up; removed by cleanup_netns.
make_netns() {
    ip netns add "$1"
    ip netns exec "$1" ip link set lo up
    NAMESPACES+=("$1")
}

cleanup_netns() {
    local ns
    for ns in "${NAMESPACES[@]:-}"; do
        [ -n "$ns" ] && ip netns del "$ns" 2>/dev/null || true
    done
}

# Waits up to 30 s for a window named "zarnok" owned by process $1 on $DISPLAY; prints its id.
wait_window() {
    local pid=$1 id=""
    for _ in $(seq 300); do
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
