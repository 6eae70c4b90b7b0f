#!/usr/bin/env bash
# Installs a build into a fresh temporary prefix, checks that nothing landed outside it,
# builds examples/embed against the installed package, runs it headless and scans the
# barcode its Designer form draws.
#   scripts/check-package.sh BUILD_DIR SCANNER
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
scanner="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
outside="$(grep -v "^$prefix/" "$build/install_manifest.txt" || true)"
if [[ -n "$outside" ]]; then
    echo "Installed outside the prefix:" >&2
    echo "$outside" >&2
    exit 1
fi
echo "Installed $(wc -l <"$build/install_manifest.txt") files, all inside the prefix"
"$prefix/bin/quillmark-cli" --version

cmake -S "$root/examples/embed" -B "$work/embed" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    >/dev/null
cmake --build "$work/embed"
QT_QPA_PLATFORM=offscreen "$work/embed/embed" --png "$work/embed.png"
read -r _ text < <("$scanner" "$work/embed.png")
echo "The example's barcode reads: $text"
[[ "$text" == "Embedded 2026" ]]
