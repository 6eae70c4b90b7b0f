#!/usr/bin/env bash
# Builds everything and runs every test; installs the package (static, then shared) and
# builds and runs examples/embed and examples/quick against it; then rebuilds the libraries
# and their tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs those too.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

echo "== The installed package, with static libraries: examples/embed and examples/quick =="
"$root/scripts/check-package.sh" "$root/build" "$root/build/tests/quillmark_scan_images"

# The window and the Designer plugin take the same libraries; the check needs the command
# line and the QML module.
echo "== The same with shared libraries =="
cmake -S "$root" -B "$root/build-shared" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DBUILD_SHARED_LIBS=ON -DBUILD_TESTING=OFF -DQUILLMARK_SKIP="app;designer" >/dev/null
cmake --build "$root/build-shared" -j"$jobs"
"$root/scripts/check-package.sh" "$root/build-shared" "$root/build/tests/quillmark_scan_images"

echo "== Engine and widget under AddressSanitizer and UndefinedBehaviorSanitizer =="
# Line tables only (-g1): the sanitizers' reports keep file and line, at a fraction of the
# compile time of full debug information.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DQUILLMARK_ENGINE_ONLY=OFF -DQUILLMARK_NO_APP=ON -DQUILLMARK_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
# One process per suite: a process per test, as ctest runs them, spends a minute on
# sanitizer start-ups alone.
# HighDpi tests want a screen of two device pixels per logical pixel, and get a run of
# their own.
sanitized() {
    QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$@" --gtest_brief=1
}
for suite in "$root"/build-asan/tests/quillmark_*_tests; do
    sanitized "$suite" --gtest_filter=-HighDpi*
done
QT_SCALE_FACTOR=2 sanitized "$root/build-asan/tests/quillmark_control_tests" --gtest_filter=HighDpi*

echo "== Fuzz targets, 60 seconds each =="
"$root/scripts/fuzz.sh" 60
