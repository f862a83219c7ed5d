#!/bin/bash
# Downloads the run log N times in a row (default 50) over TCP from norva-sim at 1000 reports a
# second, whose reports queue (64) and come in bursts of 4, with preambles spread from 0 to 525
# bytes, on both kinds of unit in turn. Each download must end with exit status 0 and a raw log
# of 33312 bytes (1041 reports, nothing but the log), and every export must hold the same log.
#   tools/tcp-downloads.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-50}
[ -f build/CMakeCache.txt ] || ./setup.sh
cmake --build build --target norva norva-sim -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'kill "${sim:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=offscreen
failed=0
declare -A logs
for ((k = 0; k < count; k++)); do
    preamble=$((k * 525 / (count > 1 ? count - 1 : 1)))
    kind=$((k % 2 ? 1 : 0))
    build/norva-sim --listen tcp:127.0.0.1:0 --rate 1000 --queue 64 --burst 4 --engine off \
        --preamble "$preamble" $([ "$kind" = 1 ] && echo --downward) 2>"$work/sim.err" &
    sim=$!
    port=
    for _ in $(seq 50); do
        port=$(sed -n 's/.*listening.*:\([0-9]*\)$/\1/p' "$work/sim.err")
        [ -n "$port" ] && break
        sleep 0.1
    done
    start=$(date +%s%N)
    if build/norva --device "tcp:127.0.0.1:$port" download "$work/run.txt" 2>"$work/err"; then
        status=0
    else
        status=$?
    fi
    ms=$((($(date +%s%N) - start) / 1000000))
    kill "$sim"
    wait "$sim" 2>/dev/null || true
    raw=$(wc -l <"$work/cache/norva/runlog/bufer.buf")
    sum=$(tail -n +2 "$work/run.txt" | md5sum | cut -d' ' -f1)
    logs[$kind]=${logs[$kind]:-$sum}
    verdict=ok
    if [ "$status" != 0 ] || [ "$raw" != 33312 ] || [ "$sum" != "${logs[$kind]}" ]; then
        verdict="FAILED: $(cat "$work/err")"
        failed=$((failed + 1))
    fi
    printf 'download %2d  %-8s  preamble %3d  exit %d  raw %5d bytes  %5d ms  %s\n' \
        "$((k + 1))" "$([ "$kind" = 1 ] && echo downward || echo upward)" "$preamble" "$status" \
        "$raw" "$ms" "$verdict"
done
echo "$((count - failed)) passed, $failed failed"
[ "$failed" = 0 ]
