#!/usr/bin/env bash
# `make bench`: a Release build in <build>-bench/ with its own program folder,
# then the benchmarks, each figure beside its goal: the window figures once on
# the offscreen platform, and every figure under Xvfb, a real X server, with the
# openbox window manager on it, where the programs are started as a user's
# desktop starts them.
set -euo pipefail
build="${1:-build}-bench"
tools/install-deps.sh bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPENDIX_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target pendix_bench tavrik.exe
(cd "$build/Pendix" && ./tavrik.exe)

bench="$build/bench/pendix_bench"
# Qt's notes about the headless platform and the missing sound card say nothing about speed.
quiet() { grep -v -e 'This plugin does not support' -e 'No audio device detected' -e 'PulseAudioService' || true; }

echo "== offscreen platform"
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$bench" --benchmark_color=false --benchmark_filter='ClearBoardAndLoadLevel|AnimationTick|^Editor' 2>&1 | quiet

echo "== Xvfb"
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
wm=
wmready=$(mktemp -u)
trap 'kill "$xvfb" $wm 2>/dev/null; rm -f "$displayfile" "$wmready"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
if [ ! -s "$displayfile" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
display=":$(head -n 1 "$displayfile")"
# openbox runs its start-up command once it manages the screen.
DISPLAY="$display" openbox --startup "touch $wmready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do [ -e "$wmready" ] && break; sleep 0.1; done
if [ ! -e "$wmready" ]; then
  echo "openbox did not start" >&2
  exit 1
fi
env -u QT_QPA_PLATFORM DISPLAY="$display" "$bench" --benchmark_color=false 2>&1 | quiet
