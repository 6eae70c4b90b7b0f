#!/usr/bin/env bash
# Takes the README's pictures of Quillmark Studio: the window at 1280 x 800 at device pixel
# ratios 1 and 2, on Xvfb, each checked for a crisp symbol that scans (the tests
# StudioOnScreen.ScreenshotAtRatio*), and copies them into docs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
ctest -R 'StudioOnScreen.ScreenshotAtRatio' --output-on-failure
mkdir -p "$root/docs"
for picture in studio-dpr1 studio-dpr2 studio-batch-dpr1; do
    cp "tests/$picture.png" "$root/docs/$picture.png"
    echo "docs/$picture.png"
done
