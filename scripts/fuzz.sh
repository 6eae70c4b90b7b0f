#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into BUILD (default build-fuzz/), with the libraries and their
# test suites, and runs each target for SECONDS (default 60) from its committed corpus, the
# targets side by side. New inputs go to a scratch folder, so the tree is left as it was; a
# crash leaves its input in BUILD and fails the script. "build" for SECONDS only builds.
#   scripts/fuzz.sh [SECONDS|build] [BUILD]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="${2:-$root/build-fuzz}"
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: fuzz targets skipped"
    exit 0
fi
# The preset asan (CMakePresets.json) in BUILD.
cd "$root"
cmake --preset asan -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)"
[[ "$seconds" == build ]] && exit 0

cd "$build"
targets=()
for target in cli_input output code128_read widget_writes item_writes; do
    [[ -x "tests/fuzz/${target}_fuzz" ]] && targets+=("$target")
done
pids=()
for target in "${targets[@]}"; do
    scratch="$build/corpus-$target"
    mkdir -p "$scratch"
    QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp" \
        "tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/$target-" \
        "$scratch" "$root/tests/fuzz/corpus/$target" >"$target.log" 2>&1 &
    pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
    target="${targets[$i]}"
    if wait "${pids[$i]}"; then
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov: ' "$target.log" | tail -3 |
            sed "s/^/$target: /"
    else
        echo "== $target failed ==" && tail -40 "$target.log"
        status=1
    fi
done
exit $status
