#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 root with apt, checks the launcher, icons and a
# start of the installed program there, then removes the package again.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
app_id=$2
program=KinwiseFreeMayanNumerology
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# What CTest takes for a check that cannot run here; under CI, where scripts/test installs and runs
# everything as root, such a lack is a fault and fails.
cannot_run() {
    [ -z "${CI:-}" ] || fail "$*"
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || cannot_run "a chroot install needs root"
command -v debootstrap >/dev/null || cannot_run "debootstrap is not installed"
mirror=http://deb.debian.org/debian

# One pristine root per machine, kept as a tarball; downloaded packages are kept beside it.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kinwise
pristine=$cache/bookworm-root.tar
mkdir -p "$cache/apt-archives/partial"
if [ ! -s "$pristine" ]; then
    /usr/lib/apt/apt-helper download-file "$mirror/dists/bookworm/Release" "$cache/Release" \
        >/dev/null 2>&1 || cannot_run "the Debian package registry cannot be reached"
    staging=$(mktemp -d "$cache/debootstrap.XXXXXX")
    debootstrap --variant=minbase bookworm "$staging" "$mirror" \
        >"$staging.log" 2>&1 || {
        rm -rf --one-file-system "$staging"
        fail "debootstrap did not make a bookworm root (see $staging.log)"
    }
    tar -C "$staging" --numeric-owner -cf "$pristine.part" . && mv "$pristine.part" "$pristine"
    rm -rf --one-file-system "$staging" "$staging.log"
fi

root=$(mktemp -d "$build_dir/fresh-root.XXXXXX")
log=$build_dir/fresh-install.log
: >"$log"
program_pid=
cleanup() {
    # Every step runs, even after one fails.
    set +e
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
    local mounted=0 point
    for point in var/cache/apt/archives dev proc; do
        if mountpoint -q "$root/$point"; then
            umount -R "$root/$point" || umount -Rl "$root/$point" || mounted=1
        fi
    done
    # Never delete through a mount that is still there: /dev would be the host's.
    if [ "$mounted" -eq 0 ]; then rm -rf --one-file-system "$root"; else echo "left $root" >&2; fi
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP
tar -C "$root" --numeric-owner -xf "$pristine" || fail "the pristine root did not extract"
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
# Recursive for /dev/pts; a slave so that nothing done here reaches the host's /dev.
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --bind "$cache/apt-archives" "$root/var/cache/apt/archives"
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"
}

# The newest package, made now when there is none or the program or a module was rebuilt since.
newest_package() {
    # shellcheck disable=SC2012 # cpack names the files: no odd characters to guard against
    (cd "$build_dir" && ls -t kinwise_*.deb 2>/dev/null | head -n 1) || true
}
package=$(newest_package)
if [ -z "$package" ] || [ -n "$(find "$build_dir" -maxdepth 1 -type f \( -name "$program" \
    -o -name '*.so' \) -newer "$build_dir/$package")" ]; then
    (cd "$build_dir" && cpack -G DEB >/dev/null) || fail "cpack did not build the package"
    package=$(newest_package)
fi
cp "$build_dir/$package" "$root/$package"
in_root chown _apt /var/cache/apt/archives/partial

in_root apt-get update -qq >>"$log" 2>&1 || fail "apt-get update failed: $(tail -n 1 "$log")"
in_root sh -c "cd / && apt-get install -y -q --no-install-recommends ./$package" >>"$log" 2>&1 ||
    fail "apt-get could not install $package: $(grep -m 1 -E 'Depends:|^E:' "$log") (see $log)"

[ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not installed"
# Files only, so that the removal check below cannot trip over folders other packages share.
installed=$(in_root dpkg -L kinwise | while read -r file; do
    [ -d "$root$file" ] || echo "$file"
done)
# Every installed executable and library finds the libraries it needs.
while read -r file; do
    libraries=$(in_root ldd "$file" 2>&1 </dev/null) || fail "ldd could not read $file"
    missing=$(grep 'not found' <<<"$libraries" | awk '{print $1}' | paste -sd ' ') || true
    [ -z "$missing" ] || fail "$file needs libraries not found in the fresh root: $missing"
done < <(grep -E '^/usr/bin/|\.so$' <<<"$installed")

desktop=$root/usr/share/applications/$app_id.desktop
[ -s "$desktop" ] || fail "/usr/share/applications/$app_id.desktop is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$app_id" ] || fail "the desktop file names the icon '$icon', not $app_id"
for file in "48x48/apps/$icon.png" "scalable/apps/$icon.svg"; do
    [ -s "$root/usr/share/icons/hicolor/$file" ] ||
        fail "icon /usr/share/icons/hicolor/$file is not installed"
done
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
resolved=$(in_root sh -c "command -v '$command'") || true
[ "$resolved" = "/usr/bin/$program" ] ||
    fail "the desktop file runs '$command', which is not /usr/bin/$program"
[ -s "$root/usr/share/metainfo/$app_id.metainfo.xml" ] ||
    fail "/usr/share/metainfo/$app_id.metainfo.xml is not installed"

# The installed program starts: still running once it has taken its lock and stored its first-run
# reminder date, which it does before its first window shows; and it ends on SIGTERM.
mkdir -p "$root/tmp/home" "$root/tmp/runtime"
chmod 700 "$root/tmp/runtime"
start=$(wc -l <"$log")
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime \
    QT_QPA_PLATFORM=offscreen "/usr/bin/$program" >>"$log" 2>&1 &
program_pid=$!
settings=$root/tmp/home/.config/Kinwise/$program.conf
for _ in $(seq 300); do
    [ -e "$root/tmp/runtime/$program.lock" ] && [ -s "$settings" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
output=$(tail -n +"$((start + 1))" "$log" | grep -m 1 .) || true
kill -0 "$program_pid" 2>/dev/null || fail "the installed program did not keep running: $output"
[ -e "$root/tmp/runtime/$program.lock" ] || fail "the installed program took no instance lock"
[ -s "$settings" ] ||
    fail "the installed program wrote no first-run reminder date"
kill -TERM "$program_pid"
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the installed program did not end on SIGTERM"
program_pid=

in_root dpkg -r kinwise >>"$log" 2>&1 || fail "dpkg -r kinwise failed"
while read -r file; do
    [ ! -e "$root$file" ] || fail "$file is still there after dpkg -r"
done <<<"$installed"
echo "fresh bookworm install of $package: ok"
