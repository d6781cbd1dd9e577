#!/bin/bash
# Replays FILE with pgnreplay and checks it with pgn-extract, one after the other,
# three rounds, and prints each tool's best wall-clock and CPU rates in games/s.
# Usage: compare_with_pgn_extract.sh PGNREPLAY FILE
set -euo pipefail
pgnreplay=${1:?usage: $0 PGNREPLAY FILE}
file=${2:?usage: $0 PGNREPLAY FILE}
extract=$(command -v pgn-extract || echo /usr/games/pgn-extract)
[ -x "$extract" ] || { echo "pgn-extract is not installed (apt-get install pgn-extract)" >&2; exit 2; }

games=$("$pgnreplay" "$file" | tail -n 1 | awk '{print $2}')
TIMEFORMAT='%R %U %S'
best() { sort -g | head -n 1; }
measure() { { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{print $1, $2 + $3}'; }

declare -a extractWall extractCpu replayWall replayCpu
for round in 1 2 3; do
    read -r wall cpu < <(measure "$extract" -s -o /dev/null "$file")
    extractWall+=("$wall"); extractCpu+=("$cpu")
    read -r wall cpu < <(measure "$pgnreplay" "$file")
    replayWall+=("$wall"); replayCpu+=("$cpu")
done

report() {
    local name=$1 wall cpu
    shift
    wall=$(printf '%s\n' "${@:1:3}" | best)
    cpu=$(printf '%s\n' "${@:4:3}" | best)
    awk -v n="$name" -v g="$games" -v w="$wall" -v c="$cpu" \
        'BEGIN { printf "%-11s %6.2f s wall = %6.0f games/s   %6.2f s CPU = %6.0f games/s\n", n, w, g / w, c, g / c }'
}
echo "games: $games"
report pgn-extract "${extractWall[@]}" "${extractCpu[@]}"
report pgnreplay "${replayWall[@]}" "${replayCpu[@]}"
