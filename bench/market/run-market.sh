#!/usr/bin/env bash
# Market benchmark against nginx on loopback. Prints one table:
#   bench/market/run-market.sh [build-folder]
# (a) "更新资源" for an index of 1,300 objects (median 9 KiB) into an empty store, SHA-1 check
#     on, beside its floor: 1,300 pauses of 100 ms plus curl --config fetching the same files
#     over one connection; then with 8 and 16 downloads at once beside
#     curl --parallel --parallel-max 8 and 16
# (b) opening the market until an 826-entry catalogue is listed (median of 5)
# (c) peak RSS and the window's longest stall with a 4,000-task queue run 16 at once, and how much
#     of that stall was the launcher's own work (the rest is other programs on the machine)
# (d) (a) on the official source over TLS: the index named by the installed version's JSON and
#     the same 1,300 objects from the resource host, beside 1,300 pauses plus curl --config over
#     TLS fetching the same files
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
if [ ! -x "$build/bench/market/bench_market" ]; then
  scripts/build "$build" -DCMAKE_BUILD_TYPE=Release -DVENDROLUPA_BENCH=ON -DVENDROLUPA_TESTS=OFF
fi
cmake --build "$build" --target bench_market >/dev/null
bench=$build/bench/market/bench_market
work=$(realpath "$build")/market-bench
[ -f "$work/www/indexes/07w45a.json" ] || bench/market/make-market-data.py "$work/www"

. scripts/lib/nginx.sh
start_nginx "$work/www" "$work/nginx"
trap stop_nginx EXIT
base=http://127.0.0.1:$nginx_port
sed "s|BASE|$base|" "$work/assets.curl" > "$work/assets-run.curl"

value() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
fresh() { rm -rf "$work/launcher" "$work/curl-out"; mkdir -p "$work/launcher" "$work/curl-out"; sync; }

curl_run() {  # curl_run [curl options...]: seconds for curl to fetch the 1,300 objects
  fresh
  local start
  start=$(date +%s.%N)
  curl -s --create-dirs "$@" --config "$work/assets-run.curl" 2>/dev/null
  awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {print b - a}'
}
launcher_run() {  # launcher_run <at once>: the launcher's line for the 1,300 objects
  fresh
  "$bench" assets "$work/launcher" "$base" 1.8.9 "$1"
}

assets=$(launcher_run 1)
launcher_s=$(echo "$assets" | value seconds)
tasks=$(echo "$assets" | value tasks)
stored=$(find "$work/launcher/.minecraft/assets/objects" -type f | wc -l)
curl_s=$(curl_run)
assets8=$(launcher_run 8)
launcher8_s=$(echo "$assets8" | value seconds)
stored8=$(find "$work/launcher/.minecraft/assets/objects" -type f | wc -l)
assets16=$(launcher_run 16)
launcher16_s=$(echo "$assets16" | value seconds)
stored16=$(find "$work/launcher/.minecraft/assets/objects" -type f | wc -l)
curl8_s=$(curl_run --parallel --parallel-max 8)
curl16_s=$(curl_run --parallel --parallel-max 16)

catalogue=()
for _ in 1 2 3 4 5; do
  catalogue+=("$("$bench" catalogue "$work/launcher" "$base" | value seconds)")
done
catalogue_s=$(printf '%s\n' "${catalogue[@]}" | sort -n | sed -n 3p)
entries=$("$bench" catalogue "$work/launcher" "$base" | value entries)

fresh
queue=$("$bench" queue "$work/launcher" "$base" 07w45a 4000 16)
queue_tasks=$(echo "$queue" | value tasks)
rss_kib=$(echo "$queue" | value peak_rss_kib)
gap_ms=$(echo "$queue" | value max_gap_ms)
busy_ms=$(echo "$queue" | value max_busy_ms)

stop_nginx

# (d): a test authority and a certificate for 127.0.0.1, the official documents for this port.
tls=$work/tls
mkdir -p "$tls"
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 2 -subj "/CN=Bench CA" \
  -keyout "$tls/ca.key" -out "$tls/ca.pem" 2>/dev/null
openssl req -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -subj "/CN=127.0.0.1" \
  -keyout "$tls/server.key" -out "$tls/server.csr" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1\n' > "$tls/san.ext"
openssl x509 -req -in "$tls/server.csr" -CA "$tls/ca.pem" -CAkey "$tls/ca.key" -CAcreateserial \
  -days 2 -extfile "$tls/san.ext" -out "$tls/server.pem" 2>/dev/null
rm -rf "$work/official-www" && mkdir -p "$work/official-www"  # documents name this run's port
start_nginx "$work/official-www" "$work/nginx-tls" "$tls/server.pem" "$tls/server.key"
secure=https://127.0.0.1:$nginx_port
bench/market/make-official-data.py "$work/official-www" "$secure" "$work/www"
fresh
mkdir -p "$work/launcher/.minecraft/versions/1.8.9"
cp "$(find "$work/official-www/v1/packages" -name 1.8.9.json | head -1)" \
  "$work/launcher/.minecraft/versions/1.8.9/1.8.9.json"
printf 'source=official\r\nmanifest=%s\r\nlibraries=%s\r\nresources=%s\r\ncafile=%s\r\n' \
  "$secure/mc/game/version_manifest_v2.json" "$secure/libraries" "$secure/resources" \
  "$tls/ca.pem" > "$work/services.ini"
official=$("$bench" official "$work/launcher" "$work/services.ini" 1.8.9)
official_s=$(echo "$official" | value seconds)
official_tasks=$(echo "$official" | value tasks)
fresh
start=$(date +%s.%N)
curl -s --cacert "$tls/ca.pem" --create-dirs --config "$work/official.curl"
curl_tls_s=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {print b - a}')

awk -v l="$launcher_s" -v c="$curl_s" -v n="$tasks" -v s="$stored" -v k="$catalogue_s" \
  -v e="$entries" -v q="$queue_tasks" -v r="$rss_kib" -v g="$gap_ms" -v b="$busy_ms" \
  -v l8="$launcher8_s" -v s8="$stored8" -v c8="$curl8_s" \
  -v l16="$launcher16_s" -v s16="$stored16" -v c16="$curl16_s" -v o="$official_s" -v t="$official_tasks" -v ct="$curl_tls_s" 'BEGIN {
  floor = n * 0.1 + c
  printf "%-46s %14s %22s %10s\n", "case", "launcher", "floor / peer", "target"
  printf "%-46s %12.2f s %20.2f s %10s\n", "(a) assets, " n " tasks, 1 at once (" s " stored)", l, floor, "<= +5 %"
  printf "%-46s %14s %20.2f s\n", "    of the floor: curl --config, 1 connection", "", c
  printf "%-46s %13.1f %% %22s\n", "    launcher over its floor", (l / floor - 1) * 100, ""
  printf "%-46s %12.2f s %20.2f s %10s\n", "(a8) the same, 8 at once (" s8 " stored)", l8, c8, "<= 1.5x"
  printf "%-46s %14s %21.2fx\n", "    against curl --parallel --parallel-max 8", "", l8 / c8
  printf "%-46s %12.2f s %20.2f s %10s\n", "(a16) the same, 16 at once (" s16 " stored)", l16, c16, "<= 1.5x"
  printf "%-46s %14s %21.2fx\n", "    against curl --parallel --parallel-max 16", "", l16 / c16
  printf "%-46s %12.3f s %22s %10s\n", "(b) open market to " e " catalogue entries", k, "", "< 0.3 s"
  printf "%-46s %10.1f MiB %22s %10s\n", "(c) peak RSS, " q "-task queue, 16 at once", r / 1024, "", "< 100 MiB"
  printf "%-46s %11.1f ms %22s %10s\n", "    longest the window went without repainting", g, "", "< 100 ms"
  printf "%-46s %11.1f ms %22s\n", "    of which its own work at most", b, ""
  tlsFloor = t * 0.1 + ct
  printf "%-46s %12.2f s %20.2f s %10s\n", "(d) official assets over TLS, " t " tasks", o, tlsFloor, "<= +5 %"
  printf "%-46s %14s %20.2f s\n", "    of the floor: curl --config over TLS", "", ct
  printf "%-46s %13.1f %% %22s\n", "    launcher over its floor", (o / tlsFloor - 1) * 100, ""
}'
