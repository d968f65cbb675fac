#!/bin/bash
# Instructions per call of the client path and of the bare statement, counted
# by callgrind: a measure that does not depend on what else the machine runs.
# It leaves out time spent in the kernel (system calls), which bench_server's
# CPU times include.
#
#   bench/server/instructions.sh BUILD_DIR [NAME...]
#
# NAME is a pair of bench_server (CheckPending, SearchAccount, SearchRequest,
# SelectRequest); all four by default. Needs valgrind.
set -euo pipefail
build=${1:?usage: instructions.sh BUILD_DIR [NAME...]}
shift
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(CheckPending SearchAccount SearchRequest SelectRequest)
bench="$build/bin/bench_server"
db="${DB:-$build/bench-hospital.db}"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# count PATTERN FILTER FUNCTION: instructions inside FUNCTION and its calls to it.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$out/cg" --toggle-collect="$1" \
        "$bench" --db "$db" --benchmark_filter="$2" --benchmark_repetitions=1 --benchmark_min_time=0.3 \
        >/dev/null 2>&1
    local total calls
    total=$(callgrind_annotate "$out/cg" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
    calls=$(callgrind_annotate --tree=calling --inclusive=yes "$out/cg" 2>/dev/null |
        grep -o "$3 ([0-9,]*x)" | head -1 | grep -o '[0-9,]*x' | tr -dc 0-9)
    echo $((total / calls))
}

for name in "${names[@]}"; do
    client=$(count '*clientCall*' "Client/$name\$" 'Connection::execute(QString const&)')
    if [ "$name" = SelectRequest ]; then
        direct=$(count '*readRows*' "Direct/$name\$" 'readRows(sqlite3_stmt\*)')
    else
        direct=$(count '*DirectProcedure::run*' "Direct/$name\$" 'DirectProcedure::run(std::[^)]*)')
    fi
    awk -v n="$name" -v c="$client" -v d="$direct" \
        'BEGIN { printf "%-14s client %8d  direct %8d instructions per call  ratio %.2fx\n", n, c, d, c / d }'
done
