#!/usr/bin/env bash
# Mirror benchmark against nginx on loopback. Prints one table:
#   bench/mirror/run-mirror.sh [build-folder]
# (a) `vendrolupa-mirror sync --jobs 16` of one version whose one-line asset index holds 1,300
#     objects (median 9 KiB) into an empty tree: documents, jar, natives jars, objects, the
#     re-indented indexes and the native files; beside curl --parallel --parallel-max 16
#     fetching the same 1,300 objects (median of 5 runs each, taken in turns)
# (b) the same sync again over the full tree: every file checked, nothing fetched
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench-mirror}
# Only the mirror program is built: it needs neither Qt nor the launcher.
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DVENDROLUPA_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target vendrolupa-mirror >/dev/null
program=$(realpath "$build")/src/vendrolupa-mirror
work=$(realpath "$build")/mirror-bench
[ -f "$work/www/template/1.12.2-bench.json" ] || bench/mirror/make-mirror-data.py "$work/www"

. scripts/lib/nginx.sh
start_nginx "$work/www" "$work/nginx"
trap stop_nginx EXIT
base=http://127.0.0.1:$nginx_port

# The documents name this server, so they are written once its port is known.
mkdir -p "$work/www/versions"
sed "s|BASE|$base|g" "$work/www/template/1.12.2-bench.json" > "$work/www/versions/1.12.2-bench.json"
json_sha1=$(sha1sum < "$work/www/versions/1.12.2-bench.json" | cut -c1-40)
printf '{"latest": {"release": "1.12.2-bench", "snapshot": "1.12.2-bench"}, "versions": [{"id": "1.12.2-bench", "type": "release", "url": "%s/versions/1.12.2-bench.json", "time": "2017-09-18T08:39:46+00:00", "releaseTime": "2017-09-18T08:39:46+00:00", "sha1": "%s", "complianceLevel": 0}]}' \
  "$base" "$json_sha1" > "$work/www/version_manifest_v2.json"
sed "s|BASE|$base|" "$work/objects.curl" > "$work/objects-run.curl"

fresh() { rm -rf "$work/tree" "$work/curl-out"; sync; }
seconds() { local start; start=$(date +%s.%N); "$@"; awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {print b - a}'; }
mirror_sync() {
  "$program" sync --out "$work/tree" --versions 1.12.2-bench --jobs 16 \
    --manifest "$base/version_manifest_v2.json" --libraries "$base/libraries" \
    --resources "$base/resources" 2>"$work/sync.log"
}
median() { sort -n | sed -n 3p; }

mirror_runs=() curl_runs=() again_runs=()
for _ in 1 2 3 4 5; do
  fresh
  mirror_runs+=("$(seconds mirror_sync)")
  again_runs+=("$(seconds mirror_sync)")
  objects=$(find "$work/tree/assets" -type f | wc -l)
  fresh
  curl_runs+=("$(seconds curl -s --parallel --parallel-max 16 --create-dirs --config "$work/objects-run.curl" 2>/dev/null)")
done
fetched=$(find "$work/curl-out" -type f | wc -l)
mirror_s=$(printf '%s\n' "${mirror_runs[@]}" | median)
curl_s=$(printf '%s\n' "${curl_runs[@]}" | median)
again_s=$(printf '%s\n' "${again_runs[@]}" | median)

awk -v m="$mirror_s" -v c="$curl_s" -v a="$again_s" -v o="$objects" -v f="$fetched" 'BEGIN {
  printf "%-50s %10s %10s %8s %8s\n", "case", "mirror", "curl", "ratio", "target"
  printf "%-50s %8.2f s %8.2f s %8.2f %8s\n", "(a) sync, 1,300 objects, --jobs 16 (" o " / " f " files)", m, c, m / c, "<= 1.3"
  printf "%-50s %8.2f s %10s %8s %8s\n", "(b) sync again, nothing to fetch", a, "", "", ""
}'
