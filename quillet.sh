#!/usr/bin/env bash
# Quillet's one entry point: installs what is missing, builds, and runs or tests.
#   ./quillet.sh run             build and start Quillet
#   ./quillet.sh test            build and run every test through CTest
#   ./quillet.sh sanitize        the tests again, built with AddressSanitizer and UBSan (build-sanitize)
#   ./quillet.sh fuzz [seconds]  build the libFuzzer targets with clang and run each for
#                                the given time, 60 s by default (build-fuzz)
#   ./quillet.sh bench           build and run every benchmark program, printing its figures
#   ./quillet.sh package         build the Debian package build-package/quillet_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$PWD

# Every Debian package the build, the tests and the tools need, in one place.
PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libqscintilla2-qt6-dev liblua5.1-0-dev
    libgl-dev fonts-dejavu-core lua-check
    appstream desktop-file-utils shared-mime-info
)
# gcc's sanitizer runtimes come with build-essential; libFuzzer needs clang's.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# CPack's Debian generator finds the binaries to hand to dpkg-shlibdeps with `file`.
PACKAGE_PACKAGES=(file)

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

# configure DIR [cmake args...]
configure() {
    local dir=$1; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
}

# configure_build DIR [cmake args...]
configure_build() {
    configure "$@"
    cmake --build "$1" -j "$(njobs)"
}

# Runs each fuzz target for $1 seconds on a working copy of its seed corpus; any crash,
# leak, sanitizer report, broken property or slow input fails the command.
run_fuzzers() {
    local seconds=$1 dir=$ROOT/build-fuzz failed=() ran=0
    for src in "$ROOT"/fuzz/fuzz_*.cpp; do
        local target name
        target=$(basename "$src" .cpp)
        name=${target#fuzz_}
        mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
        echo "== $target: ${seconds}s"
        ran=$((ran + 1))
        if ! "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$dir/findings/$name/" \
            "$dir/corpus/$name" "$ROOT/fuzz/corpus/$name" 2>"$dir/findings/$name.log"; then
            tail -n 60 "$dir/findings/$name.log" >&2
            failed+=("$target")
        else
            grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$dir/findings/$name.log" || true
        fi
    done
    if [ "$ran" -eq 0 ]; then
        echo "fuzz: no fuzz targets found" >&2
        return 1
    fi
    if [ ${#failed[@]} -gt 0 ]; then
        echo "fuzz: findings in ${failed[*]} (inputs in build-fuzz/findings/)" >&2
        return 1
    fi
    echo "fuzz: $ran targets ran ${seconds}s each without findings"
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
sanitize)
    # The sanitized programs carry their runtime options and leak suppressions
    # (cmake/SanitizerDefaults.cpp.in, tests/sanitizers/lsan.supp).
    ensure_packages "${PACKAGES[@]}"
    configure_build "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
        "-DQUILLET_SANITIZE=address;undefined" -DQUILLET_BUILD_BENCH=OFF
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$(njobs)"
    ;;
fuzz)
    seconds=${2:-60}
    if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
        echo "usage: $0 fuzz [seconds per target, a whole number above 0]" >&2
        exit 2
    fi
    ensure_packages "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    configure "$ROOT/build-fuzz" -DCMAKE_CXX_COMPILER="$(command -v clang++)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUILLET_BUILD_FUZZ=ON -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCH=OFF
    cmake --build "$ROOT/build-fuzz" -j "$(njobs)" --target quillet_fuzzers
    run_fuzzers "$seconds"
    ;;
bench)
    # Benchmarks share the main build: the same optimised binaries that `run` starts.
    ensure_packages "${PACKAGES[@]}"
    configure "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_BUILD_BENCH=ON
    cmake --build "$ROOT/build" -j "$(njobs)" --target quillet_benches
    ran=0
    for src in "$ROOT"/bench/bench_*.cpp; do
        [ -e "$src" ] || continue
        bench=$(basename "$src" .cpp)
        echo "== $bench"
        QT_QPA_PLATFORM=offscreen "$ROOT/build/bench/$bench"
        ran=$((ran + 1))
    done
    if [ "$ran" -eq 0 ]; then
        echo "bench: no benchmark programs found" >&2
        exit 1
    fi
    ;;
package)
    # A build of its own, without tests or benchmarks, so that nothing else lands in the package.
    ensure_packages "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    configure_build "$ROOT/build-package" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCH=OFF
    (cd "$ROOT/build-package" && cpack -G DEB)
    ls "$ROOT"/build-package/quillet_*.deb
    ;;
*)
    echo "usage: $0 run|test|sanitize|fuzz [seconds]|bench|package" >&2
    exit 2
    ;;
esac
