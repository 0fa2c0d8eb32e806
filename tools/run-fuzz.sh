#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for a
# bounded time and number of inputs, seeded from fuzz/corpus/<target>/. New finds
# are kept in build-fuzz/corpus/<target>/, never written into the committed corpus;
# `tools/run-fuzz.sh --merge` folds them into fuzz/corpus/ minimised (-merge=1).
#
#   FUZZ_TARGETS  targets to run (default: all)
#   FUZZ_RUNS     inputs per worker (default 1500000; with 8 workers 12 million a target)
#   FUZZ_SECONDS  time limit per target (default 600)
#   FUZZ_JOBS     parallel workers (default: the number of cores)
#   FUZZ_MAX_LEN  longest input in bytes (default 4096: a full level file is about 2 kB)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=$(realpath -m "${BUILD_FUZZ:-build-fuzz}")
read -r -a targets <<<"${FUZZ_TARGETS:-level_reader file_list}"
runs=${FUZZ_RUNS:-1500000}
seconds=${FUZZ_SECONDS:-600}
jobs=${FUZZ_JOBS:-$(nproc)}
max_len=${FUZZ_MAX_LEN:-4096}
merge=0
[ "${1:-}" = "--merge" ] && merge=1

# Everything is built with coverage and sanitizers, so the code under test is
# instrumented as well as the targets themselves.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPENDIX_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

status=0
for target in "${targets[@]}"; do
  binary="$build/fuzz/${target}_fuzz"
  seeds="$root/fuzz/corpus/$target"
  work="$build/corpus/$target"
  logs="$build/logs/$target"
  artifacts="$build/crashes/$target"
  mkdir -p "$work" "$logs" "$artifacts"

  if [ "$merge" = 1 ]; then
    # Edges only (no hit counts), so a few dozen files cover what the corpus reached.
    # -merge=1 takes the smallest files first; starting from the largest few of
    # the first pass, which reach the most, leaves far fewer small ones behind.
    edges=$(mktemp -d)
    minimised=$(mktemp -d)
    "$binary" -merge=1 -use_counters=0 "$edges" "$seeds" "$work" >"$logs/merge.txt" 2>&1
    ls -S "$edges" | head -20 | while read -r file; do mv "$edges/$file" "$minimised/"; done
    "$binary" -merge=1 -use_counters=0 "$minimised" "$edges" >>"$logs/merge.txt" 2>&1
    rm -f "$seeds"/*
    cp "$minimised"/* "$seeds"/
    rm -rf "$edges" "$minimised"
    echo "$target: corpus minimised to $(find "$seeds" -type f | wc -l) files"
    continue
  fi

  # Each worker runs its own share of inputs; -jobs keeps their logs apart.
  rm -f "$logs"/fuzz-*.log
  ( cd "$logs" && "$binary" -jobs="$jobs" -workers="$jobs" -runs="$runs" -max_len="$max_len" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts/" "$work" "$seeds" >/dev/null 2>&1 ) || true

  total=$(grep -ho '^Done [0-9]* runs' "$logs"/fuzz-*.log | awk '{ sum += $2 } END { print sum + 0 }')
  crashes=$(find "$artifacts" -type f | wc -l)
  echo "$target: $total inputs, $crashes crash files in $artifacts"
  if [ "$crashes" -gt 0 ] || grep -lq 'ERROR: \(AddressSanitizer\|libFuzzer\)\|runtime error' "$logs"/fuzz-*.log; then
    status=1
  fi
done
exit "$status"
