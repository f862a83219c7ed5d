#!/usr/bin/env bash
# Builds the release package twice, from two copies of the source tree in different folders, and
# checks that the two packages are the same byte for byte. On a difference it says where: with
# diffoscope when it is installed, else by the members' listings and the files that differ.
# Two full release builds: about 10 minutes on two cores.
#   check-reproducible.sh [KEEP_DIR]   KEEP_DIR: where to leave both packages (a/ and b/)
# SOURCE_DATE_EPOCH dates the packages: the last commit's time unless it is set already.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=${1:-$work/debs}
mkdir -p "$out"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null ||
                        dpkg-parsechangelog -l "$src/packaging/changelog" -S Timestamp)
fi
export SOURCE_DATE_EPOCH

# The files of the source tree as they are now, edits included, without any build folder.
copy() {
    mkdir -p "$1"
    if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        (cd "$src" && git ls-files -z --cached --others --exclude-standard |
             xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' - |
             tar --null -T - -cf -) | tar -xf - -C "$1"
    else
        (cd "$src" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$1"
    fi
}

# Folders of different names and depths, so any path that leaks in shows up; both copied before
# either is built, so an edit made meanwhile does not tell them apart.
trees=("$work/a/norva" "$work/second/place/norva-copy")
for tree in "${trees[@]}"; do copy "$tree"; done
i=0
for tree in "${trees[@]}"; do
    cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
          -DCMAKE_BUILD_TYPE=Release -DNORVA_TESTS=OFF -DNORVA_BENCH=OFF >/dev/null
    cmake --build "$tree/build" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
    dir=$out/$([ $i = 0 ] && echo a || echo b)
    mkdir -p "$dir" && rm -f "$dir"/norva_*.deb
    (cd "$tree/build" && cpack -G DEB -B "$dir" >/dev/null)
    rm -rf "$dir/_CPack_Packages"
    i=$((i + 1))
done
a=$(ls "$out"/a/norva_*.deb)
b=$(ls "$out"/b/norva_*.deb)
if cmp -s "$a" "$b"; then
    echo "two builds in different folders give the same package: $(sha256sum "$a" | cut -c1-16)"
    exit 0
fi
echo "the packages built in two folders differ:"
if command -v diffoscope >/dev/null; then
    diffoscope "$a" "$b" || true
else
    diff <(dpkg-deb -c "$a") <(dpkg-deb -c "$b") || true
    for d in a b; do
        dpkg-deb -R "$out/$d"/norva_*.deb "$work/x/$d"
    done
    diff -r -q "$work/x/a" "$work/x/b" || true
fi
exit 1
