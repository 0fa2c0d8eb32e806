#!/usr/bin/env bash
# `make test-whole`: every GoogleTest program of a build run whole, its cases in a
# random order, the programs side by side. ctest gives each case a process of its
# own; here a case that leaves something behind for the next one (a window on the
# screen, a setting, a file) fails.
#
#   tools/run-tests-whole.sh [BUILD] [SEED]
#
# One seed shuffles every program; it is printed, and giving it again repeats the
# run (default: a random one). Each program's output is kept in
# BUILD/tests/whole/<program>.log.
set -euo pipefail
build=$(realpath "${1:-build}")
seed=${2:-}
[ -n "$seed" ] || seed=$(( (RANDOM * 32768 + RANDOM) % 99999 + 1 ))  # gtest takes 1 to 99999
list="$build/tests/gtest_programs.txt"
[ -f "$list" ] || { echo "no $list: build first" >&2; exit 2; }
logs="$build/tests/whole"
rm -rf "$logs" && mkdir -p "$logs"

# The installer's cases read the folders its ctest fixture lays out.
if ! out=$(ctest --test-dir "$build" -R '^installer_runs_in_fresh_folders$' --output-on-failure 2>&1); then
    echo "$out"
    exit 1
fi

run_one() {
    local program=$1 name rc=0
    name=$(basename "$program")
    # A program that hangs is stopped well before the CI's own limit.
    (cd "$(dirname "$program")" && QT_QPA_PLATFORM=offscreen timeout 600 \
        "$program" --gtest_shuffle --gtest_random_seed="$seed" --gtest_color=no) >"$logs/$name.log" 2>&1 || rc=$?
    if [ "$rc" -eq 0 ]; then
        echo "ok     $name"
        return
    fi
    case $rc in
        124) echo "stopped after 600 s" >>"$logs/$name.log" ;;
        1) ;;
        *) if [ "$rc" -gt 128 ]; then echo "ended by signal $((rc - 128))"; else echo "ended with exit code $rc"; fi \
               >>"$logs/$name.log" ;;
    esac
    echo "FAILED $name (seed $seed)"
    touch "$logs/$name.failed"
}
export -f run_one
export seed logs

echo "== every test program whole, shuffled with seed $seed"
xargs -a "$list" -P "$(nproc)" -I{} bash -c 'run_one "$1"' _ {} || true

failed=0
for mark in "$logs"/*.failed; do
    [ -e "$mark" ] || continue
    failed=1
    name=$(basename "$mark" .failed)
    echo
    echo "== $name failed run whole with seed $seed; to repeat it alone (or: make test-whole SEED=$seed):"
    echo "   cd $build/tests && QT_QPA_PLATFORM=offscreen ./$name --gtest_shuffle --gtest_random_seed=$seed"
    # Each failure's message, up to the next line of the test runner.
    awk '/: Failure$/ { show = 1 } /^\[/ { show = 0 } show' "$logs/$name.log" | head -60
    grep -E '^\[  FAILED  \] .*\(|^stopped after|^ended with' "$logs/$name.log" || tail -20 "$logs/$name.log"
    echo "   (whole output: $logs/$name.log)"
done
[ "$failed" -eq 0 ] && echo "== all test programs pass whole with seed $seed"
exit "$failed"
