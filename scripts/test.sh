#!/usr/bin/env bash
# Builds everything and runs every test; installs the package (static, then shared) and
# builds and runs examples/embed and examples/quick against it; then rebuilds the libraries
# and their tests with clang, AddressSanitizer and UndefinedBehaviorSanitizer, runs those,
# two at a time on two cores, and runs the fuzz targets built with them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

# The preset ci builds what dev does, in unity batches (CMakePresets.json), into build-ci/.
"$root/scripts/build.sh" ci
cd "$root"
ctest --preset ci -j"$jobs"

scanner="$root/build-ci/tests/quillmark_scan_images"
echo "== The installed package, with static libraries: examples/embed and examples/quick (at ${SECONDS} s) =="
"$root/scripts/check-package.sh" "$root/build-ci" "$scanner"

# The window and the Designer plugin take the same libraries; the check needs the command
# line and the QML module.
echo "== The same with shared libraries (at ${SECONDS} s) =="
cmake --preset shared >/dev/null
cmake --build --preset shared -j"$jobs"
"$root/scripts/check-package.sh" "$root/build-shared" "$scanner"

echo "== Libraries and their tests under AddressSanitizer and UndefinedBehaviorSanitizer (at ${SECONDS} s) =="
# One clang build serves the sanitized suites and the fuzz targets: the libraries are
# compiled once, with the sanitizers and libFuzzer's coverage.
"$root/scripts/fuzz.sh" build "$root/build-asan"
# One process per suite: a process per test, as ctest runs them, spends a minute on
# sanitizer start-ups alone. HighDpi tests want a screen of two device pixels per logical
# pixel, and get a run of their own. The suites spend most of their time waiting on the
# programs and files they test, so as many run side by side as ctest runs tests (one a
# core): more would starve the programs they start and time their tests out. Each one's
# output is shown when it ends; any failure fails the script once every suite has ended.
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
declare -A running=() # pid: the suite's name
failed=()
ended() { # waits for a suite to end and shows how it went
    local pid status=0
    wait -n -p pid "${!running[@]}" || status=$?
    local name="${running[$pid]}"
    unset "running[$pid]"
    echo "-- $name: $( ((status == 0)) && echo passed || echo "FAILED ($status)")"
    cat "$logs/$name"
    ((status == 0)) || failed+=("$name")
}
sanitized() { # NAME SCALE SUITE FILTER [SHARD TOTAL]: SCALE is QT_SCALE_FACTOR, or "" to
    # leave it unset; SHARD of TOTAL runs that share of the suite's tests (GoogleTest's sharding)
    local name="$1" scale="$2" suite="$3" filter="$4" shard="${5:-}" total="${6:-}"
    ((${#running[@]} < jobs)) || ended
    env ${scale:+"QT_SCALE_FACTOR=$scale"} ${total:+"GTEST_TOTAL_SHARDS=$total"} \
        ${total:+"GTEST_SHARD_INDEX=$shard"} QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp" \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$suite" --gtest_filter="$filter" --gtest_brief=1 >"$logs/$name" 2>&1 &
    running[$!]="$name"
}
# The output suite takes longer than all the others together: it starts first, in as many
# shards as there are cores, and the rest fill the cores as the shards end.
longest=quillmark_output_tests
for ((shard = 0; shard < jobs; ++shard)); do
    sanitized "$longest.$((shard + 1))of$jobs" "" "$root/build-asan/tests/$longest" "-HighDpi*" \
        "$shard" "$jobs"
done
for suite in "$root"/build-asan/tests/quillmark_*_tests; do
    [[ "$(basename "$suite")" == "$longest" ]] && continue
    sanitized "$(basename "$suite")" "" "$suite" "-HighDpi*"
done
sanitized quillmark_control_tests.HighDpi 2 "$root/build-asan/tests/quillmark_control_tests" "HighDpi*"
while ((${#running[@]} > 0)); do
    ended
done
if ((${#failed[@]} > 0)); then
    echo "Failed: ${failed[*]}" >&2
    exit 1
fi

echo "== Fuzz targets, 60 seconds each (at ${SECONDS} s) =="
"$root/scripts/fuzz.sh" 60 "$root/build-asan"
echo "== Done in ${SECONDS} s =="
