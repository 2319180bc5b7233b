#!/usr/bin/env bash
# Installs into a temporary prefix, checks the installed tree and starts the installed program.
set -euo pipefail
build_dir=$1
app_id=$2
work=$(mktemp -d)
pids=()
cleanup() {
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install did not succeed"

expected=(
    "bin/KinwiseFreeMayanNumerology"
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "installed tree lacks $file"
done
for size in 16 22 24 32 48 64 128 256; do
    actual=$(file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    [[ $actual == *"$size x $size"* ]] || fail "${size}x${size} icon is $actual"
done
! ldd "$prefix/bin/KinwiseFreeMayanNumerology" | grep -q "not found" ||
    fail "the installed program has unresolved libraries"
# Qt's print support and libcups come with the printing module at the first Print, not at every
# start; the program looks for the module at the same place below its own folder.
! ldd "$prefix/bin/KinwiseFreeMayanNumerology" | grep -q "libcups\|libQt6PrintSupport" ||
    fail "the installed program loads print support at start"
module=$(find "$prefix" -name kinwise_printing.so)
[ -n "$module" ] || fail "installed tree lacks the printing module"
! ldd "$module" | grep -q "not found" || fail "the printing module has unresolved libraries"
strings -e l "$prefix/bin/KinwiseFreeMayanNumerology" |
    grep -qxF "/$(realpath --relative-to="$prefix/bin" "$module")" ||
    fail "the installed program does not look for its printing module at ${module#"$prefix/"}"
desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop file does not validate"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop file does not name the icon $app_id"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "the metainfo file does not validate"

# start_installed WHAT SESSION ENV...: starts the installed program for a fresh user under
# SESSION, away from any display of the caller's, with the environment given, and checks that it
# took the instance lock, stored its first-run reminder date and is still running.
start_installed() {
    local what=$1 session=$2
    shift 2
    mkdir -p "$session/home" "$session/runtime"
    chmod 700 "$session/runtime"
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$session/home" XDG_RUNTIME_DIR="$session/runtime" \
        XDG_CONFIG_HOME="$session/home/.config" "$@" "$prefix/bin/KinwiseFreeMayanNumerology" \
        2>"$session/program.log" &
    pids+=($!)
    # Started once it holds its lock and has stored its first-run reminder date, which it does
    # before its first window shows.
    local lock=$session/runtime/KinwiseFreeMayanNumerology.lock
    local settings=$session/home/.config/Kinwise/KinwiseFreeMayanNumerology.conf
    for _ in $(seq 300); do
        [ -e "$lock" ] && [ -s "$settings" ] && break
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "${pids[-1]}" 2>/dev/null ||
        fail "the installed program did not keep running $what: $(tail -n 5 "$session/program.log")"
    [ -e "$lock" ] || fail "the installed program took no instance lock $what"
    [ -s "$settings" ] || fail "the installed program wrote no first-run reminder date $what"
}

start_installed "offscreen" "$work/offscreen" QT_QPA_PLATFORM=offscreen

# As a client of a Wayland compositor, with no X server: Qt's Wayland plugin ends a program that
# cannot reach its compositor at once.
wayland=$work/wayland
mkdir -p "$wayland/runtime"
chmod 700 "$wayland/runtime"
XDG_RUNTIME_DIR=$wayland/runtime weston --backend=headless-backend.so --socket=kinwise-check \
    --idle-time=0 >"$wayland/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -S "$wayland/runtime/kinwise-check" ] && break
    sleep 0.1
done
[ -S "$wayland/runtime/kinwise-check" ] || fail "weston did not start: $(tail -n 5 "$wayland/weston.log")"
start_installed "on Wayland" "$wayland" WAYLAND_DISPLAY=kinwise-check QT_QPA_PLATFORM=wayland
echo "installed tree and start, offscreen and on Wayland: ok"
