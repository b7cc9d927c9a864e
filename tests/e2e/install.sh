#!/usr/bin/env bash
# The installed game: `cmake --install` to a scratch prefix (DESTDIR), started from another folder
# with HOME and XDG_* in scratch space, keeps conf2.cfg and log.txt in the XDG folders and writes
# nothing in the prefix or its start folder; a map dropped in $XDG_DATA_HOME/zarnok/maps/ adds a
# row to the new-game list. The Debian package names its files and the libraries' packages.
# Usage: install.sh <zarnok> <run-folder>. Set INSTALL_SCREENSHOTS=<dir> to keep the screenshots.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/common.bash"
take_test_arguments "$@"
build=$(dirname "$zarnok")
start_scratch_folder
_keep_screenshots() {
    if [ -n "${INSTALL_SCREENSHOTS:-}" ]; then
        mkdir -p "$INSTALL_SCREENSHOTS" && cp "$work"/*.png "$INSTALL_SCREENSHOTS"/ 2>/dev/null || true
    fi
    _remove_scratch_folder
}
trap _keep_screenshots EXIT

prefix=$work/prefix
DESTDIR=$prefix cmake --install "$build" --prefix /usr >/dev/null
installed=$prefix/usr/bin/zarnok
[ -x "$installed" ] || fail "cmake --install put no program in $prefix/usr/bin"

unset ZARNOK_DATA_DIR
export HOME=$work/home XDG_CONFIG_HOME=$work/xdg/config XDG_STATE_HOME=$work/xdg/state \
    XDG_DATA_HOME=$work/xdg/data
mkdir -p "$HOME" "$work/started_in"
listing() { find "$prefix" "$work/started_in" -printf '%p %s %T@\n' | sort; }
untouched=$(listing)

# Starts the installed program from another folder, opens the new-game screen, leaves its picture
# in $work/$1.png and closes the program gracefully.
new_game_screen() {
    (cd "$work/started_in" && exec "$installed") >"$work/stdout.txt" 2>"$work/stderr.txt" &
    pid=$!
    window=$(wait_window "$pid") || fail "no window named zarnok appeared: $(cat "$work/stderr.txt")"
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool mousemove 1 1
    wait_until_still "$work/main_$1.png" || fail "the main menu never settled"
    xdotool key Return
    wait_until_changed "$work/main_$1.png" "$work/opened_$1.png" || fail "no new-game screen"
    wait_until_still "$work/$1.png" || fail "the new-game screen never settled"
    close_game "$pid" || fail "the game did not close on request"
    wait "$pid" || fail "exit status $?: $(cat "$work/stderr.txt")"
    pid=""
}

new_game_screen shipped_maps
[ "$(stat -c %s "$XDG_CONFIG_HOME/zarnok/conf2.cfg")" -eq 168 ] ||
    fail "no 168-byte conf2.cfg in $XDG_CONFIG_HOME/zarnok"
grep -q '^received 0$' "$XDG_STATE_HOME/zarnok/log.txt" ||
    fail "no log.txt with the traffic counters in $XDG_STATE_HOME/zarnok"
[ -d "$XDG_DATA_HOME/zarnok/maps" ] || fail "the first start made no folder for the player's maps"

# The shipped arena under a name of the player's own, sorting between the shipped ones.
cp "$prefix/usr/share/zarnok/maps/arena.map" "$XDG_DATA_HOME/zarnok/maps/backyard.map"
new_game_screen own_map
# The list of available maps: x -0.45 .. -0.05, y 0.05 .. -0.35 in the menus' coordinates.
read -r width height < <(xdotool getdisplaygeometry)
region=$((width / 5))x$((height / 5))+$((width * 55 / 200))+$((height * 95 / 200))
for shot_name in shipped_maps own_map; do
    convert "$work/$shot_name.png" -crop "$region" +repage "$work/list_$shot_name.png"
done
[ "$(differing "$work/list_shipped_maps.png" "$work/list_own_map.png")" -gt 100 ] ||
    fail "the map in $XDG_DATA_HOME/zarnok/maps changed nothing in the new-game list"
[ "$(listing)" = "$untouched" ] ||
    fail "the game wrote in its prefix or its start folder: $(diff <(echo "$untouched") <(listing))"

# The package, made in scratch space: what it holds and what it depends on.
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.txt" 2>&1) ||
    fail "cpack -G DEB failed: $(cat "$work/cpack.txt")"
package=$(ls "$work"/package/zarnok_*.deb)
dpkg-deb --contents "$package" | awk '{ print $6 }' >"$work/contents.txt"
for file in ./usr/bin/zarnok ./usr/share/zarnok/config.txt ./usr/share/zarnok/player.txt \
    ./usr/share/zarnok/maps/ctf.map ./usr/share/zarnok/textures/gamelogo.bmp \
    ./usr/share/zarnok/sound/fire.wav ./usr/share/applications/zarnok.desktop \
    ./usr/share/icons/hicolor/256x256/apps/zarnok.png ./usr/share/man/man6/zarnok.6; do
    grep -qx "$file" "$work/contents.txt" || fail "the package lacks $file"
done
! grep -E 'assetgen|_tests|bench_|conf2\.cfg|log\.txt' "$work/contents.txt" ||
    fail "the package holds files of the build or of a player's run"
dpkg-deb --info "$package" >"$work/info.txt"
grep -q '^ Package: zarnok$' "$work/info.txt" || fail "dpkg-deb --info names no package zarnok"
depends=$(sed -n 's/^ Depends: //p' "$work/info.txt")
for library in libsdl2 libopenal libfreetype libfontconfig libjpeg fonts-; do
    [[ "$depends" == *"$library"* ]] || fail "the package's Depends names no $library: $depends"
done
echo "PASS: installed game and package ($depends)"
