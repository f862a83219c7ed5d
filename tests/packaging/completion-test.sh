#!/usr/bin/env bash
# The bash completion offers what a user at the prompt expects, as bash-completion loads it.
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
touch unit.nvc unused.txt unit.png && mkdir units
# The logbook's engines as the program lists them.
norva() { printf 'engine,runs\nJet One,3\n"Odd, ""B""",1\nK2,0\n'; }
status=0
expect() {  # expect "COMMAND LINE TYPED SO FAR" "WHAT IS OFFERED"
    COMP_LINE=$1 COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMPREPLY=()
    _norva
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    [[ $got == "$2" ]] || { echo "'$1': offered '$got', not '$2'"; status=1; }
}
expect "norva cl" "clone"
expect "norva --device sim clone " "save write"
expect "norva clone write --d" "--device --dry-run"
expect "norva clone write --no-backup un" "unit.nvc units"
expect "norva logbook runs " "Jet One K2 Odd, \"B\""
expect "norva logbook report --pdf x.pdf J" "Jet One"
expect "norva factory start-mode " "gas kero manual"
expect "norva factory max-rpm 120 " ""
expect "norva --device sim:d" "downward"
expect "norva timechart run.txt --png u" "unit.png units"
exit $status
