#!/usr/bin/env bash
# The game speaks the environment's language: with LANG=ru_RU.UTF-8 the main menu's entries are
# the Russian pictures, with LANG=C the English ones. Choosing "Русский" in the options' language
# list switches the menus at once and keeps the choice in display.cfg, where it wins over LANG.
# Usage: languages.sh <zarnok> <run-folder>. Set ZARNOK_SHOTS=<dir> to keep the screenshots.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
start_namespaced_test "$@"
ns="zk_lang_$$"
make_netns "$ns"  # the game's ports stay clear of any other copy running here
cp -r "$run_folder"/. "$work"/
rm -f "$work/display.cfg"
keep_shots() { [ -z "${ZARNOK_SHOTS:-}" ] || { mkdir -p "$ZARNOK_SHOTS" && cp "$work"/*.png "$ZARNOK_SHOTS"/; }; }

# Starts the game with the locale $1 and waits for its main menu to settle into screenshot $2.
start_menu() {
    (cd "$work" && exec ip netns exec "$ns" env -u LC_ALL -u LC_MESSAGES LANG="$1" "$zarnok" \
        2>>"$work/stderr.txt") &
    pid=$!
    wait_window "$pid" >/dev/null || fail "no window with LANG=$1: $(cat "$work/stderr.txt")"
    xdotool mousemove 1 1  # away from every entry
    wait_until_still "$work/$2" || fail "the menu never settled with LANG=$1"
}
stop_game() {
    close_game "$pid" || fail "the game did not close"
    pid=""
}
# The menu entries' pictures, x -0.2..0.2 and y 0.2..-0.2 of the screen, from screenshot $1.
entries() {
    local width height
    read -r width height < <(xdotool getdisplaygeometry)
    convert "$work/$1" -crop "$((width / 5))x$((height / 5))+$((width * 2 / 5))+$((height * 2 / 5))" \
        +repage "$work/entries_$1"
}
entries_differ() { entries "$1" && entries "$2" && differing "$work/entries_$1" "$work/entries_$2"; }

start_menu ru_RU.UTF-8 russian.png
stop_game
start_menu C english.png
[ "$(entries_differ russian.png english.png)" -gt 2000 ] ||
    fail "the menu entries look the same in Russian and English"

# Options; the language list's right arrow steps from the environment's to Russian; "Ok".
click_at 0 -0.05
wait_until_changed "$work/english.png" "$work/options.png" || fail "the options did not open"
click_at 0.4237 -0.155
wait_until_changed "$work/options.png" "$work/russian_chosen.png" 10 ||
    fail "the language arrow changed nothing"
click_at 0.375 -0.41
xdotool mousemove 1 1
_russian_again() { wait_until_still "$work/switched.png" && [ "$(entries_differ russian.png switched.png)" -lt 100 ]; }
poll _russian_again || fail "choosing Russian did not bring the Russian menu pictures"
grep -qx 'language ru' "$work/display.cfg" || fail "display.cfg: $(cat "$work/display.cfg")"
stop_game

start_menu C saved.png
[ "$(entries_differ russian.png saved.png)" -lt 100 ] || fail "the saved Russian lost to LANG=C"
stop_game
keep_shots
echo "PASS: Russian and English menus by LANG, switched in the options and kept in display.cfg"
