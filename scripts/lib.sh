# Shared by scripts/run and scripts/test: installs what is missing and builds into build/.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$ROOT/build"

# Debian 12 packages: the build, the program's runtime and what the test journeys drive.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libcups2-dev
    fonts-dejavu-core qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
TEST_PACKAGES=(xvfb xauth xdotool openbox x11-utils imagemagick cups cups-client cups-filters
    poppler-utils at-spi2-core python3 python3-pyatspi dbus-x11 xdg-utils desktop-file-utils
    appstream clang libclang-rt-14-dev clang-format dpkg-dev file debootstrap python3-xlib xclip
    weston qt6-wayland qt6-gtk-platformtheme gnome-themes-extra orca speech-dispatcher espeak-ng
    speech-dispatcher-espeak-ng)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "error: installing packages needs root or sudo: $*" >&2
        return 1
    fi
}

install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The C++ sources as clang-format would write them; tables are fenced with "clang-format off".
check_formatting() {
    git -C "$ROOT" ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' |
        (cd "$ROOT" && xargs -0 clang-format --dry-run --Werror)
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}
