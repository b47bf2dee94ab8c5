#!/bin/sh
# velmora-cli over a million generated rows for each command, against the floor
# for reading and writing the same CSV: an awk one-liner over the same file that
# appends a linear transform of one column. Target: within 2 x that floor.
#   bench/cli.sh path/to/velmora-cli
set -eu
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

awk 'BEGIN { srand(20261206); print "value,from,to"
             for (i = 0; i < 1000000; i++) printf "%.2f,z,percentile\n", rand() * 8 - 4 }' > "$dir/convert.csv"
awk 'BEGIN { srand(20261206); print "raw,mean,sd"
             for (i = 0; i < 1000000; i++) printf "%.1f,100,15\n", 40 + rand() * 120 }' > "$dir/score.csv"
awk 'BEGIN { srand(20261206); print "raw,mean,sd,n"
             for (i = 0; i < 20000; i++) printf "%.1f,100,15,%d\n", 40 + rand() * 120, 5 + int(rand() * 96) }' > "$dir/small.csv"

seconds() {  # the least processor time (user and system) of five runs of a command, output discarded
    for run in 1 2 3 4 5; do
        /usr/bin/time -f "%U %S" -o "$dir/time" "$@" > /dev/null 2>&1 || true
        awk '{ print $1 + $2 }' "$dir/time"
    done | sort -n | head -n 1
}


echo "| Measure | velmora-cli | awk floor | Ratio | Target | Met |"
echo "|---|---:|---:|---:|---|---|"
for command in convert score; do
    cli_time=$(seconds "$cli" "$command" --csv "$dir/$command.csv")
    awk_time=$(seconds awk -F, '{ print $0 "," 10 * $1 + 50 }' "$dir/$command.csv")
    echo "$cli_time $awk_time $command" | awk '{ r = $1 / $2; printf "| %s --csv, 1,000,000 rows | %.2f s | %.2f s | %.2f | <= 2 x floor | %s |\n", $3, $1, $2, r, r <= 2 ? "yes" : "no" }'
done
small_time=$(seconds "$cli" score --csv "$dir/small.csv")
echo "$small_time" | awk '{ printf "| score --csv with n, 20,000 rows | %.2f s (%.0f rows/s) | | | none yet | |\n", $1, 20000 / $1 }'
