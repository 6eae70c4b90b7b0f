#!/usr/bin/env bash
# Configures and builds Quillmark into build/ (incremental after the first run).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
# The preset dev (CMakePresets.json): optimised as RelWithDebInfo, without its debug
# information, which costs a third of the build time.
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
