#!/usr/bin/env bash
# Installs a build into a fresh temporary prefix, checks that nothing landed outside it,
# builds examples/embed against the installed package, runs it headless and scans the
# barcode its Designer form draws; then the same for examples/quick, whose QML loads the
# installed module Quillmark, and checks that a refused value leaves the item invalid.
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
# Consumers write <quillmark/layout.h>: the package puts no folder of bare header names on
# their include path, so a header of ours can't shadow one of theirs.
if grep -q 'include/quillmark[";]' "$prefix"/lib/cmake/Quillmark/*Targets.cmake ||
   grep -q 'includedir}/quillmark' "$prefix"/lib/pkgconfig/*.pc; then
    echo "The package puts include/quillmark on its consumers' include path" >&2
    exit 1
fi

cmake -S "$root/examples/embed" -B "$work/embed" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    >/dev/null
cmake --build "$work/embed"
QT_QPA_PLATFORM=offscreen "$work/embed/embed" --png "$work/embed.png"
read -r _ text < <("$scanner" "$work/embed.png")
echo "The example's barcode reads: $text"
[[ "$text" == "Embedded 2026" ]]

if [[ ! -f "$prefix/lib/qt6/qml/Quillmark/qmldir" ]]; then
    echo "The QML module was not built: examples/quick skipped"
    exit 0
fi
# qmllint knows the module's types from its installed .qmltypes.
lint="$(/usr/lib/qt6/bin/qmllint -I "$prefix/lib/qt6/qml" "$root/examples/quick/main.qml" 2>&1)"
if [[ -n "$lint" ]]; then
    echo "qmllint on examples/quick/main.qml against the installed module:" >&2
    echo "$lint" >&2
    exit 1
fi
cmake -S "$root/examples/quick" -B "$work/quick" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    >/dev/null
cmake --build "$work/quick"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
"$work/quick/quick_example" --png "$work/quick.png"
read -r _ text < <("$scanner" "$work/quick.png")
echo "The QML example's barcode reads: $text"
[[ "$text" == "Qml-19" ]]
refused="$("$work/quick/quick_example" --check ean13 abc)"
echo "$refused"
grep -qx "valid: false" <<<"$refused"
grep -q "^error: ." <<<"$refused"
