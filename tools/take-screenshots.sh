#!/bin/bash
# Takes the README's pictures of every window afresh, on the simulated unit, into docs/, and
# the printed page of the performance chart's run.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || ./setup.sh
cmake --build build --target norva norva-shots -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen build/norva-shots docs "$work/run.nvm"
build/norva chart print "$work/run.nvm" --pdf "$work/page.pdf"
pdftoppm -png -r 60 -singlefile "$work/page.pdf" docs/printed-chart
echo docs/printed-chart.png
