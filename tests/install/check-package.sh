#!/usr/bin/env bash
# Builds the Debian package and checks its computed dependencies and contents.
set -euo pipefail
build_dir=$1
app_id=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cd "$build_dir"
cpack -G DEB >/dev/null || fail "cpack did not build the package"
package=$(ls -t kinwise_*.deb | head -n 1)
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libc6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
recommends=$(dpkg-deb -f "$package" Recommends)
[[ $recommends == *qt6-wayland* ]] || fail "Recommends lacks qt6-wayland: $recommends"
contents=$(dpkg-deb -c "$package")
for file in usr/bin/KinwiseFreeMayanNumerology "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png"; do
    grep -q "\./$file\$" <<<"$contents" || fail "package lacks /$file"
done
grep -q "/KinwiseFreeMayanNumerology/kinwise_printing\.so\$" <<<"$contents" ||
    fail "package lacks the printing module"
echo "package $package: ok ($depends)"
