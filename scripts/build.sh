#!/usr/bin/env bash
# Configures and builds Quillmark into build/ (incremental after the first run), or into the
# tree of the configure preset given (ci, say).
#   scripts/build.sh [PRESET]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-dev}"
"$root/scripts/install-deps.sh"
# The preset dev (CMakePresets.json): optimised as RelWithDebInfo, without its debug
# information, which costs a third of the build time.
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
