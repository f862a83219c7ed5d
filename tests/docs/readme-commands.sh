#!/usr/bin/env bash
# Every command the README shows (its indented lines that start with build/norva) runs, in the
# README's order, in a scratch folder and home of its own, on the simulated unit at full rate,
# and succeeds: a README that drifts from the program fails here. Timed runs are cut to 5 s.
#   readme-commands.sh README.md NORVA
set -uo pipefail
readme=$(realpath "$1") norva=$(realpath "$2")
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
export HOME=$PWD/home QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
status=0 count=0
while IFS= read -r line; do
    command=${line#    }
    command=${command%%  #*}  # the comment after the command
    command=${command%"${command##*[![:space:]]}"}
    run=$(sed -e "s|^build/norva|\"$norva\"|" \
              -e 's/--device sim\(:[^ ]*\)\{0,1\}/--device sim\1:rate=1000/' \
              -e 's/--seconds [0-9]*/--seconds 5/' <<<"$command")
    bash -c "$run" >out.txt 2>err.txt
    got=$?
    count=$((count + 1))
    # diff says 1 when the two sides differ.
    if [ $got -ne 0 ] && ! { [[ $command == *" diff "* ]] && [ $got -eq 1 ]; }; then
        echo "README: '$command' exited $got:"
        cat err.txt
        status=1
    fi
done < <(grep -E '^    build/norva ' "$readme")
[ $count -ge 30 ] || { echo "only $count commands found in $readme"; status=1; }
exit $status
