#!/bin/sh
# velmora-cli over generated rows for each command, against the floor for reading and writing the
# same CSV: an awk one-liner over the same file that appends a linear transform of one column.
# Prints every row, then fails when a target is missed.
#   bench/cli.sh path/to/velmora-cli
set -eu
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

awk 'BEGIN { srand(20261206); print "value,from,to"
             for (i = 0; i < 1000000; i++) printf "%.2f,z,percentile\n", rand() * 8 - 4 }' > "$dir/convert.csv"
awk 'BEGIN { srand(20261206); print "raw,mean,sd"
             for (i = 0; i < 1000000; i++) printf "%.1f,100,15\n", 40 + rand() * 120 }' > "$dir/score.csv"
awk 'BEGIN { srand(20261206); print "score,scale,reliability"
             for (i = 0; i < 1000000; i++) printf "%d,standard,0.%d\n", 55 + int(rand() * 91), 70 + int(rand() * 29) }' > "$dir/interval.csv"
awk 'BEGIN { srand(20261206); print "x1,x2,sd1,sd2,m1,m2,n,r"
             for (i = 0; i < 1000000; i++) printf "%d,%d,15,14,100,103,%d,0.%d\n", 70 + int(rand() * 60), 70 + int(rand() * 60), 20 + int(rand() * 200), 70 + int(rand() * 29) }' > "$dir/change.csv"
awk 'BEGIN { srand(20261206); print "raw,mean,sd,n"
             for (i = 0; i < 20000; i++) printf "%.1f,100,15,%d\n", 40 + rand() * 120, 5 + int(rand() * 96) }' > "$dir/small.csv"

mkdir -p "$dir/config/Velmora"
awk 'BEGIN { print "name,mean,sd,n,reverse"
             for (i = 0; i < 100000; i++) printf "Subtest %d,%d,15,50,false\n", i, 90 + i % 20 }' > "$dir/config/Velmora/norms.csv"

seconds() {  # the least processor time (user and system) of five runs of a command, output discarded
    for run in 1 2 3 4 5; do
        /usr/bin/time -f "%U %S" -o "$dir/time" "$@" > /dev/null 2>&1 || true
        awk '{ print $1 + $2 }' "$dir/time"
    done | sort -n | head -n 1
}

missed=0
echo "| Measure | velmora-cli | awk floor | Ratio | Target | Met |"
echo "|---|---:|---:|---:|---|---|"
for row in "convert 2" "score 2" "interval 3" "change 3"; do
    set -- $row
    cli_time=$(seconds "$cli" "$1" --csv "$dir/$1.csv")
    awk_time=$(seconds awk -F, '{ print $0 "," 10 * $1 + 50 }' "$dir/$1.csv")
    line=$(echo "$cli_time $awk_time $1 $2" | awk '{ r = $1 / $2; printf "| %s --csv, 1,000,000 rows | %.2f s | %.2f s | %.2f | <= %d x floor | %s |", $3, $1, $2, r, $4, (r <= $4 ? "yes" : "NO") }')
    echo "$line"
    case $line in *NO*) missed=1 ;; esac
done
small_time=$(seconds "$cli" score --csv "$dir/small.csv")
line=$(echo "$small_time" | awk '{ r = 20000 / $1; printf "| score --csv with n, 20,000 rows | %.2f s (%.0f rows/s) | | | >= 20,000 rows/s | %s |", $1, r, (r >= 20000 ? "yes" : "NO") }')
echo "$line"
case $line in *NO*) missed=1 ;; esac
# The last set named, found only when the whole file is read.
export XDG_CONFIG_HOME="$dir/config"
found=1; "$cli" score 110 --norms "Subtest 99999" > /dev/null 2>&1 || found=0
norms_time=$(seconds "$cli" score 110 --norms "Subtest 99999")
line=$(echo "$norms_time $found" | awk '{ printf "| score --norms, 100,000 norm sets | %.2f s | | | < 1 s | %s |", $1, ($1 < 1 && $2 ? "yes" : "NO") }')
echo "$line"
case $line in *NO*) missed=1 ;; esac
exit $missed
