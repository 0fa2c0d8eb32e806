#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for a
# bounded time and number of inputs, seeded from fuzz/corpus/<target>/. New finds
# are kept in build-fuzz/corpus/<target>/, never written into the committed corpus;
# `tools/run-fuzz.sh --merge` folds them into fuzz/corpus/ minimised (-merge=1).
#
# The two editor targets drive the real editor window, a few hundred inputs a
# second a worker against some thousands for the game's two; they get more time
# and no search for leaks after every input (LeakSanitizer's look through Qt's
# heap would take longer than the input itself; the other sanitizers stay on).
#
#   FUZZ_TARGETS  targets to run (default: all four)
#   FUZZ_RUNS     inputs per worker (default 1500000; with 8 workers 12 million a target)
#   FUZZ_SECONDS  time limit per target (default 1800 for the game's targets, 5400
#                 for editor_names, 14400 for editor_level; on a quiet machine the
#                 inputs run out first)
#   FUZZ_JOBS     parallel workers (default: the number of cores)
#   FUZZ_MAX_LEN  longest input in bytes (default 4096: a full level file is about 2 kB)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=$(realpath -m "${BUILD_FUZZ:-build-fuzz}")
read -r -a targets <<<"${FUZZ_TARGETS:-level_reader file_list editor_level editor_names}"
runs=${FUZZ_RUNS:-1500000}
jobs=${FUZZ_JOBS:-$(nproc)}
max_len=${FUZZ_MAX_LEN:-4096}
merge=0
[ "${1:-}" = "--merge" ] && merge=1

# Everything is built with coverage and sanitizers, so the code under test is
# instrumented as well as the targets themselves.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPENDIX_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer -fsanitize-coverage-ignorelist=$root/fuzz/coverage_ignore.txt" \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

# No allocation stacks: recording them is a good part of every input's cost, and
# a crash's input is replayed with them by its _replay binary.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:malloc_context_size=0}
# The editor targets' program folders, in shared memory; what a crashed or stopped
# worker leaves there goes with the run.
scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
PENDIX_FUZZ_SCRATCH=$(mktemp -d "$scratch_base/pendix-fuzz-run-XXXXXX")
export PENDIX_FUZZ_SCRATCH
trap 'rm -rf "$PENDIX_FUZZ_SCRATCH"' EXIT
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

status=0
for target in "${targets[@]}"; do
  case "$target" in
    editor_level) seconds=${FUZZ_SECONDS:-14400}; leaks=0 ;;
    editor_names) seconds=${FUZZ_SECONDS:-5400}; leaks=0 ;;
    *) seconds=${FUZZ_SECONDS:-1800}; leaks=1 ;;
  esac
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
    "$binary" -merge=1 -use_counters=0 -detect_leaks="$leaks" "$edges" "$seeds" "$work" >"$logs/merge.txt" 2>&1
    ls -S "$edges" | head -20 | while read -r file; do mv "$edges/$file" "$minimised/"; done
    "$binary" -merge=1 -use_counters=0 -detect_leaks="$leaks" "$minimised" "$edges" >>"$logs/merge.txt" 2>&1
    rm -f "$seeds"/*
    cp "$minimised"/* "$seeds"/
    rm -rf "$edges" "$minimised"
    echo "$target: corpus minimised to $(find "$seeds" -type f | wc -l) files"
    continue
  fi

  # Each worker runs its own share of inputs; -jobs keeps their logs apart.
  rm -f "$logs"/fuzz-*.log
  started=$(date +%s)
  ( cd "$logs" && "$binary" -jobs="$jobs" -workers="$jobs" -runs="$runs" -max_len="$max_len" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks="$leaks" \
      -artifact_prefix="$artifacts/" "$work" "$seeds" >/dev/null 2>&1 ) || true

  total=$(grep -ho '^Done [0-9]* runs' "$logs"/fuzz-*.log | awk '{ sum += $2 } END { print sum + 0 }')
  crashes=$(find "$artifacts" -type f | wc -l)
  elapsed=$(( $(date +%s) - started ))
  echo "$target: $total inputs in ${elapsed} s ($(( total / (elapsed > 0 ? elapsed : 1) )) a second), $crashes crash files in $artifacts"
  if [ "$crashes" -gt 0 ] || grep -lq 'ERROR: \(AddressSanitizer\|libFuzzer\)\|runtime error' "$logs"/fuzz-*.log; then
    status=1
  fi
done
exit "$status"
