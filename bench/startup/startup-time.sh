#!/usr/bin/env bash
# Time from process start to the main window shown, with a settings file and an empty game
# folder: the median of several runs of the release launcher.
#   bench/startup/startup-time.sh [runs]        (default 9; QT_QPA_PLATFORM defaults to offscreen)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-9}
build=build/release
if [ ! -x "$build/vendrolupa" ]; then
  scripts/build "$build" -DCMAKE_BUILD_TYPE=Release -DVENDROLUPA_TESTS=OFF >/dev/null
fi

# The launcher folder is the executable's folder: run a copy inside a fresh one.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/vendrolupa" "$folder/"
mkdir -p "$folder/.Vendrolupa_Data" "$folder/.minecraft"
printf 'steve\r\n1024\r\n/usr/bin/java\r\n\r\ngray\r\n' > "$folder/.Vendrolupa_Data/config.ini"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$folder}
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  shown=$(VENDROLUPA_REPORT_SHOWN=1 timeout 30 "$folder/vendrolupa" | sed -n 's/^shown //p')
  [ -n "$shown" ] || { echo "the launcher did not report its main window" >&2; exit 1; }
  times+=($(( (shown - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( runs / 2 ))]}
echo "runs (µs): ${times[*]}"
printf 'start to main window shown (%s, median of %d): %d.%03d ms\n' \
  "$QT_QPA_PLATFORM" "$runs" $(( median / 1000 )) $(( median % 1000 ))
