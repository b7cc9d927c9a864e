# What a player who joins a LAN game sees, for the tests of two machines: joining from the
# join screen's server list, the HUD's text, the scene without the HUD, and the numbers of the
# statistics table. Reads $width and $height (the screen's size) where a region is cut.

# The second player opens the join screen, waits for the host's announcement (every two
# seconds) to list it, picks it and connects. Screenshots go to $1.*.png.
join_host() {
    local shots=$1
    shot "$shots.menu.png"
    click_at 0 0.05          # main menu: join a network game
    wait_until_changed "$shots.menu.png" "$shots.join.png" || fail "no join screen"
    _host_chosen() {
        click_at 0 0.175     # first row of the server list: its address fills the address box
        shot "$shots.chosen.png"
        [ "$(differing "$shots.join.png" "$shots.chosen.png")" -gt 100 ]
    }
    poll _host_chosen || fail "the host was not listed"
    click_at 0.2 -0.255      # the team's right arrow: red
    click_at 0.35 -0.41      # "Connect"
    wait_until_changed "$shots.chosen.png" "$shots.joined.png" ||
        fail "the second player did not enter the game"
    sleep 2  # past the loading frame, into the arena
    shot "$shots.joined.png"
}

# The width in pixels of the white text in the join screen's list on screenshot $1, from its
# first row down to row $2 (1 when there is none).
list_text_width() {
    local rows=${2:-1}
    convert "$1" -crop "$(awk -v w="$width" -v h="$height" -v n="$rows" \
        'BEGIN { printf "%dx%d+%d+%d", w * 0.47, h * 0.025 * n, w * 0.265, h * 0.4 }')" +repage \
        -fill black +opaque white -trim -format '%w' info:
}

# The HUD's letters alone (white, and the team colours of the table and the flags) in a region:
# neither the panel behind them nor the scene through it counts.
hud_text() {
    convert "$1" -crop "$2" +repage -fuzz 1% -fill white -opaque '#FF0000' -opaque '#0000FF' \
        -opaque '#80B2FF' -opaque '#FF7366' -fuzz 0 -fill black +opaque white "$3"
}
# Pixels of the top band (the title) of screenshot $1 that differ from the menu screenshot $2's
# band dimmed as the menus dim what lies around an open box: few when $1 shows a box over the
# menus, many when it shows a game.
told_band_differs() {
    convert "$1" -crop 100%x15%+0+0 +repage "$shots/told_band.png"
    convert "$2" -crop 100%x15%+0+0 +repage -evaluate multiply 0.4 "$shots/menu_band.png"
    compare -metric AE -fuzz 5% "$shots/told_band.png" "$shots/menu_band.png" null: 2>&1 |
        awk '{ printf "%d", $1 }' || true
}
# The scene alone: the HUD's band at the top and its ammunition in the bottom right corner
# blacked out.
scene() {
    convert "$1" -fill black -draw "rectangle 0,0 $width,$((height / 8))" \
        -draw "rectangle $((width * 4 / 5)),$((height * 9 / 10)) $width,$height" "$2"
}
# The numbers of the statistics table on screenshot $1 as one line each: the glyphs of every
# cell under "Kills" and "Deaths" of both teams (empty rows left out).
table_numbers() {
    local cells=() x y
    for x in -0.17 -0.07 0.33 0.43; do
        for y in 0.35 0.30 0.25 0.20; do
            cells+=(\( mpr:table -crop "$(awk -v x="$x" -v y="$y" -v w="$width" -v h="$height" \
                'BEGIN { printf "%dx%d+%d+%d", w / 24, h / 40, (x + 1) / 2 * w - 2, (1 - y) / 2 * h - h / 50 }')" \
                +repage -trim \))
        done
    done
    hud_text "$1" "${width}x${height}+0+0" "$1.text.png"
    convert "$1.text.png" -write mpr:table +delete "${cells[@]}" -format '%w %h %#\n' info: 2>/dev/null |
        grep -v '^1 1 '
}
