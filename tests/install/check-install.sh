#!/usr/bin/env bash
# Installs into a temporary prefix, checks the installed tree and starts the installed program.
set -euo pipefail
build_dir=$1
app_id=$2
work=$(mktemp -d)
program_pid=
wayland_pid=
weston_pid=
cleanup() {
    for pid in "$program_pid" "$wayland_pid" "$weston_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
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
desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop file does not validate"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop file does not name the icon $app_id"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "the metainfo file does not validate"

# The installed program starts: it is still running after its first window could have shown.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/KinwiseFreeMayanNumerology" &
program_pid=$!
for _ in $(seq 50); do
    [ -e "$work/runtime/KinwiseFreeMayanNumerology.lock" ] && break
    sleep 0.1
done
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "the installed program did not keep running"
[ -e "$work/runtime/KinwiseFreeMayanNumerology.lock" ] || fail "the installed program took no instance lock"
[ -s "$work/home/.config/Kinwise/KinwiseFreeMayanNumerology.conf" ] ||
    fail "the installed program wrote no first-run reminder date"

# And as a client of a Wayland compositor, with no X server: Qt's Wayland plugin ends a program
# that cannot reach its compositor at once, so one still running after a second has connected.
wayland=$work/wayland
mkdir -p "$wayland/home" "$wayland/runtime"
chmod 700 "$wayland/runtime"
XDG_RUNTIME_DIR=$wayland/runtime weston --backend=headless-backend.so --socket=kinwise-check \
    --idle-time=0 >"$wayland/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do
    [ -S "$wayland/runtime/kinwise-check" ] && break
    sleep 0.1
done
[ -S "$wayland/runtime/kinwise-check" ] || fail "weston did not start: $(tail -n 5 "$wayland/weston.log")"
env -u DISPLAY HOME=$wayland/home XDG_RUNTIME_DIR=$wayland/runtime \
    XDG_CONFIG_HOME=$wayland/home/.config WAYLAND_DISPLAY=kinwise-check QT_QPA_PLATFORM=wayland \
    "$prefix/bin/KinwiseFreeMayanNumerology" 2>"$wayland/program.log" &
wayland_pid=$!
for _ in $(seq 50); do
    [ -e "$wayland/runtime/KinwiseFreeMayanNumerology.lock" ] && break
    sleep 0.1
done
sleep 1
kill -0 "$wayland_pid" 2>/dev/null ||
    fail "the installed program did not keep running on Wayland: $(tail -n 5 "$wayland/program.log")"
[ -e "$wayland/runtime/KinwiseFreeMayanNumerology.lock" ] ||
    fail "the installed program took no instance lock on Wayland"
echo "installed tree and start, offscreen and on Wayland: ok"
