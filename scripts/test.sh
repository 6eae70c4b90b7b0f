#!/usr/bin/env bash
# Builds everything and runs every test; installs the package (static, then shared) and
# builds and runs examples/embed and examples/quick against it; then rebuilds the libraries
# and their tests with clang, AddressSanitizer and UndefinedBehaviorSanitizer, runs those,
# and runs the fuzz targets built with them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/build.sh"
cd "$root"
ctest --preset dev -j"$jobs"

echo "== The installed package, with static libraries: examples/embed and examples/quick =="
"$root/scripts/check-package.sh" "$root/build" "$root/build/tests/quillmark_scan_images"

# The window and the Designer plugin take the same libraries; the check needs the command
# line and the QML module.
echo "== The same with shared libraries =="
cmake --preset shared >/dev/null
cmake --build --preset shared -j"$jobs"
"$root/scripts/check-package.sh" "$root/build-shared" "$root/build/tests/quillmark_scan_images"

echo "== Libraries and their tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
# One clang build serves the sanitized suites and the fuzz targets: the libraries are
# compiled once, with the sanitizers and libFuzzer's coverage.
"$root/scripts/fuzz.sh" build "$root/build-asan"
# One process per suite: a process per test, as ctest runs them, spends a minute on
# sanitizer start-ups alone. HighDpi tests want a screen of two device pixels per logical
# pixel, and get a run of their own.
sanitized() {
    QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp" \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$@" --gtest_brief=1
}
for suite in "$root"/build-asan/tests/quillmark_*_tests; do
    sanitized "$suite" --gtest_filter=-HighDpi*
done
QT_SCALE_FACTOR=2 sanitized "$root/build-asan/tests/quillmark_control_tests" --gtest_filter=HighDpi*

echo "== Fuzz targets, 60 seconds each =="
"$root/scripts/fuzz.sh" 60 "$root/build-asan"
