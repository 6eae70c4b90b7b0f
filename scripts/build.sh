#!/usr/bin/env bash
# Configures and builds Quillmark into build/ (incremental after the first run).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
# Optimised as RelWithDebInfo, without its debug information, which costs a third of
# the build time.
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$root/build" -j"$(nproc)"
