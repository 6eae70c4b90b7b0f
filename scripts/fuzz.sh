#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS (default 60) from
# its committed corpus, the targets side by side. New inputs go to a scratch folder, so the
# tree is left as it was; a crash leaves its input in build-fuzz/ and fails the script.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: fuzz targets skipped"
    exit 0
fi
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1" \
    -DQUILLMARK_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build-fuzz" -j"$(nproc)" --target cli_input_fuzz output_fuzz

cd "$root/build-fuzz"
pids=()
for target in cli_input output; do
    scratch="$root/build-fuzz/corpus-$target"
    mkdir -p "$scratch"
    QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp" \
        "tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/$target-" \
        "$scratch" "$root/tests/fuzz/corpus/$target" >"$target.log" 2>&1 &
    pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
    target=$([[ $i == 0 ]] && echo cli_input || echo output)
    if wait "${pids[$i]}"; then
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov: ' "$target.log" | tail -3 |
            sed "s/^/$target: /"
    else
        echo "== $target failed ==" && tail -40 "$target.log"
        status=1
    fi
done
exit $status
