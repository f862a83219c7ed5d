#!/usr/bin/env bash
# Runs one fuzz target for a while from its seeds and from the inputs that once found a fault
# (fuzz/regressions/NAME, run first and every time):
#   run.sh TARGET SEEDS CORPUS SECONDS [fresh]
# New inputs go to CORPUS (emptied first with "fresh"), a crash's input to CORPUS.crashes/,
# named in the output. Exit status 0 when nothing was found.
set -euo pipefail
target=$1 seeds=$2 corpus=$3 seconds=$4
[ "${5:-}" = fresh ] && rm -rf "$corpus"
mkdir -p "$corpus" "$corpus.crashes"
inputs=("$corpus" "$seeds")
regressions="$(dirname "$0")/regressions/${target##*/fuzz_}"
[ -d "$regressions" ] && inputs+=("$regressions")
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The sanitizers' settings are the test suite's; libFuzzer reports what it finds itself.
unset ASAN_OPTIONS UBSAN_OPTIONS
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$corpus.crashes/" "${inputs[@]}"
