#!/usr/bin/env bash
# Download benchmark: XGTDL beside curl and wget, against nginx on loopback (keep-alive on),
# writing to disk. Prints one table of medians.
#   bench/download/run-downloads.sh [build-folder] [runs]
# (a) one 256 MiB file: XGTDL, curl -o, wget -O: throughput and peak RSS
# (b) 2,000 files of 2 to 20 KiB one after another: XGTDL as a queue (a new connection each),
#     curl --config (one connection), one curl process per file (one run: it is slow)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
runs=${2:-3}
if [ ! -x "$build/bench/download/bench_xgtdl" ]; then
  scripts/build "$build" -DCMAKE_BUILD_TYPE=Release -DVENDROLUPA_BENCH=ON -DVENDROLUPA_TESTS=OFF
fi
bench=$build/bench/download/bench_xgtdl
work=$(realpath "$build")/bench-data
mkdir -p "$work/www/small" "$work/out" "$work/nginx"

if [ ! -f "$work/www/big.bin" ]; then
  head -c $((256 * 1024 * 1024)) /dev/urandom > "$work/www/big.bin"
fi
if [ ! -f "$work/www/small/1999.bin" ]; then
  for i in $(seq 0 1999); do
    head -c $(( (2 + RANDOM % 19) * 1024 )) /dev/urandom > "$work/www/small/$i.bin"
  done
fi

. scripts/lib/nginx.sh
start_nginx "$work/www" "$work/nginx"
trap stop_nginx EXIT
base=http://127.0.0.1:$nginx_port

: > "$work/small.list"
: > "$work/small.curl"
for i in $(seq 0 1999); do
  echo "$base/small/$i.bin" >> "$work/small.list"
  printf 'url = "%s/small/%s.bin"\noutput = "%s/out/%s.bin"\n' "$base" "$i" "$work" "$i" >> "$work/small.curl"
done

# measure <command...>: prints "<seconds> <peak RSS KiB>" of one run into an empty out folder.
measure() {
  rm -rf "$work/out"; mkdir -p "$work/out"; sync
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -f %M -o "$work/rss" "$@" > /dev/null
  end=$(date +%s.%N)
  echo "$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}') $(tail -1 "$work/rss")"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The tools of one case take turns run by run, so a change of load on the machine falls on
# all of them alike. Commands are kept as strings for eval.
declare -A seconds times rss
names=()
commands=()
# tool <name> <command>
tool() { names+=("$1"); commands+=("$2"); }
# runcase <case> <bytes> <runs>: runs every tool given since the last case and prints a row each.
runcase() {
  local case=$1 bytes=$2 n=$3 i t r
  for _ in $(seq "$n"); do
    for i in "${!names[@]}"; do
      read -r t r < <(measure bash -c "${commands[$i]}")
      times[${names[$i]}]+="$t "; rss[${names[$i]}]+="$r "
    done
  done
  for i in "${!names[@]}"; do
    t=$(printf '%s\n' ${times[${names[$i]}]} | median)
    r=$(printf '%s\n' ${rss[${names[$i]}]} | median)
    seconds[$case/${names[$i]}]=$t
    awk -v c="$case" -v n="${names[$i]}" -v t="$t" -v b="$bytes" -v r="$r" \
      'BEGIN {printf "%-6s %-28s %9.3f %10.1f %10.1f\n", c, n, t, b / 1048576 / t, r / 1024}'
  done
  names=(); commands=()
}

big=$(stat -c %s "$work/www/big.bin")
small=$(cat "$work"/www/small/*.bin | wc -c)
printf '%-6s %-28s %9s %10s %10s\n' case tool seconds MiB/s "RSS MiB"
tool "XGTDL" "'$bench' one '$base/big.bin' '$work/out'"
tool "curl -o" "curl -s -o '$work/out/big.bin' '$base/big.bin'"
tool "wget -O" "wget -q -O '$work/out/big.bin' '$base/big.bin'"
runcase a "$big" "$runs"
tool "XGTDL queue" "'$bench' queue '$work/small.list' '$work/out'"
tool "curl --config" "curl -s --config '$work/small.curl'"
runcase b "$small" "$runs"
tool "curl per file (1 run)" "while read -r u; do curl -s -o '$work/out/'\${u##*/} \$u; done < '$work/small.list'"
runcase b "$small" 1
awk -v a="${seconds[a/curl -o]}" -v x="${seconds[a/XGTDL]}" \
  -v q="${seconds[b/XGTDL queue]}" -v c="${seconds[b/curl --config]}" \
  'BEGIN {printf "\n(a) XGTDL throughput / curl: %.2f   (b) XGTDL time / curl --config: %.2f\n", a / x, q / c}'
