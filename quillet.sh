#!/usr/bin/env bash
# Quillet's one entry point: installs what is missing, builds, and runs or tests.
#   ./quillet.sh run        build and start Quillet
#   ./quillet.sh test       build and run every test through CTest
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$PWD

# Every Debian package the build, the tests and the tools need, in one place.
PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libqscintilla2-qt6-dev liblua5.1-0-dev
    libgl-dev fonts-dejavu-core
)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the given packages when any is missing; apt-get update only then.
ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

njobs() { nproc 2>/dev/null || echo 2; }

# configure_build DIR [cmake args...]
configure_build() {
    local dir=$1; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$(njobs)"
}

cmd=${1:-}
case "$cmd" in
run)
    ensure_packages "${PACKAGES[@]}"
    configure_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec "$ROOT/build/src/app/quillet"
    ;;
test)
    ensure_packages "${PACKAGES[@]}"
    configure_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir "$ROOT/build" --output-on-failure -j "$(njobs)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
