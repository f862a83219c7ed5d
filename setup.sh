#!/usr/bin/env bash
# NORVA System on Debian 12: installs the packages that are missing, then builds.
#   ./setup.sh            build the program into build/ (a release build)
#   ./setup.sh --test     build with AddressSanitizer and UndefinedBehaviorSanitizer into
#                         build-test/ and run every test (the fuzz targets a few seconds each)
#   ./setup.sh --fuzz     build the same tree's fuzz targets and run each for 60 seconds,
#                         keeping what they find in build-test/fuzz/corpus/
#   ./setup.sh --package  build build/ and make the Debian package from it, checked by lintian:
#                         build/norva_VERSION_ARCH.deb; then check that two release builds in
#                         other folders give the same package byte for byte (10 minutes)
# Safe to run again: it installs and rebuilds only what is missing or changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=run
case "${1:-}" in
    "") ;;
    --test) mode=test ;;
    --fuzz) mode=fuzz ;;
    --package) mode=package ;;
    *) echo "usage: ./setup.sh [--test | --fuzz | --package]" >&2; exit 2 ;;
esac

# Clang builds the program: GCC 12 miscompiles some C++20 coroutines, which every operation is.
# file, help2man, lintian, appstream and bash-completion make the package and check it.
# libqt6sql6-sqlite is Qt SQL's SQLite driver, a plugin the engine logbook loads. qt6-base-dev
# brings Qt Network too, which the TCP unit and norva-sim's server use.
packages=(cmake ninja-build clang libclang-rt-14-dev g++ pkg-config qt6-base-dev libhidapi-dev
          libgtest-dev libbenchmark-dev fonts-liberation2 poppler-utils
          qt6-svg-dev libqt6sql6-sqlite dpkg-dev libcli11-dev file help2man lintian appstream
          bash-completion qt6-l10n-tools qt6-tools-dev libqt6sql6-psql)
# libqt6sql6-psql is Qt SQL's PostgreSQL driver, for a shop's logbook on a server. The tests run
# the logbook on a throwaway PostgreSQL server as well as on SQLite.
if [ "$mode" = test ]; then
    packages+=(postgresql)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "These packages are missing. Install them with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ "$mode" = test ] || [ "$mode" = fuzz ]; then
    # One sanitized tree for the tests and the fuzz targets: the core is built once for both.
    cmake -S . -B build-test -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
          -DNORVA_SANITIZE=ON -DNORVA_FUZZ=ON -DNORVA_BENCH=OFF >/dev/null
fi
if [ "$mode" = fuzz ]; then
    cmake --build build-test -j "$jobs" --target fuzz
    found=0
    for target in build-test/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name=${target#build-test/fuzz/fuzz_}
        echo "== $name (60 s)"
        fuzz/run.sh "$target" "build-test/fuzz/seeds/$name" "build-test/fuzz/corpus/$name" 60 \
            >"build-test/fuzz/$name.log" 2>&1 || { found=1; tail -n 40 "build-test/fuzz/$name.log"; }
        grep -h '^stat::number_of_executed_units\|^Done' "build-test/fuzz/$name.log" || true
    done
    exit $found
elif [ "$mode" = test ]; then
    cmake --build build-test -j "$jobs"
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
    ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 300
else
    # The release build is dated by its last commit, not by the clock, so that one commit always
    # gives the same package (the manual pages' date, the package's file times); outside git, by
    # the changelog's last entry.
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
                            dpkg-parsechangelog -l packaging/changelog -S Timestamp)
    fi
    export SOURCE_DATE_EPOCH
    cmake -S . -B build -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j "$jobs"
    if [ "$mode" = package ]; then
        bash packaging/check-package.sh build build
        bash packaging/check-reproducible.sh
    fi
fi
