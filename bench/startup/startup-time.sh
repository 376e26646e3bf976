#!/usr/bin/env bash
# Time from process start to the main window shown: the median of several runs of the release
# launcher in a prepared folder (settings file, the native files present, every service, the
# official hosts included, on a refused loopback port, so nothing waits on a network). Measured
# offscreen and, when Xvfb is installed, on an X server.
#   bench/startup/startup-time.sh [runs]        (default 9)
#   PLATFORMS="offscreen" bench/startup/startup-time.sh   (only some of: offscreen xcb)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-9}
build=build/release
if [ ! -x "$build/vendrolupa" ]; then
  scripts/build "$build" -DCMAKE_BUILD_TYPE=Release -DVENDROLUPA_TESTS=OFF >/dev/null
fi

fail() { echo "startup-time: $*" >&2; exit 1; }

# The launcher folder is the executable's folder: run a copy inside a fresh one.
folder=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT
cp "$build/vendrolupa" "$folder/"
mkdir -p "$folder/.Vendrolupa_Data" "$folder/.minecraft/native"
printf 'steve\r\n1024\r\n/usr/bin/java\r\n\r\ngray\r\n' > "$folder/.Vendrolupa_Data/config.ini"
# The Linux native libraries the start-up checks for; a missing one would start a download.
for name in liblwjgl.so liblwjgl64.so libopenal.so libopenal64.so libjinput-linux.so \
            libjinput-linux64.so; do
  printf 'native' > "$folder/.minecraft/native/$name"
done
# A port that was free a moment ago: connections to it are refused at once.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
for service in mirror official files update auth manifest libraries resources; do
  printf '%s=http://127.0.0.1:%s\r\n' "$service" "$port"
done > "$folder/.Vendrolupa_Data/services.ini"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$folder}

# One run: microseconds from the start to the first paint of the main window.
one_run() {
  local start shown output
  start=$(date +%s%N)
  output=$(VENDROLUPA_REPORT_SHOWN=1 timeout 30 "$folder/vendrolupa" 2>&1) || true
  shown=$(printf '%s\n' "$output" | sed -n 's/^shown //p')
  [ -n "$shown" ] || fail "the launcher did not report its main window ($QT_QPA_PLATFORM):
$output"
  echo $(( (shown - start) / 1000 ))
}

measure() {
  export QT_QPA_PLATFORM=$1
  local times=() sorted median
  one_run >/dev/null  # warms the file cache; not counted
  for _ in $(seq "$runs"); do times+=("$(one_run)"); done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  median=${sorted[$(( runs / 2 ))]}
  echo "runs (µs, $1): ${times[*]}"
  printf 'start to main window shown (%s, median of %d): %d.%03d ms\n' \
    "$1" "$runs" $(( median / 1000 )) $(( median % 1000 ))
}

for platform in ${PLATFORMS:-offscreen xcb}; do
  if [ "$platform" = xcb ] && [ -z "${DISPLAY:-}" ]; then
    command -v Xvfb >/dev/null || { echo "no Xvfb: the X measurement is skipped" >&2; continue; }
    display=:$(( 90 + RANDOM % 100 ))
    Xvfb "$display" -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
    [ -e "/tmp/.X11-unix/X${display#:}" ] || fail "Xvfb did not start on $display"
    DISPLAY=$display measure xcb
    kill "$xvfb_pid"; xvfb_pid=
  else
    measure "$platform"
  fi
done
