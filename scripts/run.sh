#!/usr/bin/env bash
# Builds Quillmark and opens Quillmark Studio; the generator window is build/app/quillmark.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    cat >&2 <<'MSG'
Quillmark is built, but there is no display to open its window on (neither DISPLAY nor
WAYLAND_DISPLAY is set). Run it from a desktop session, or under a virtual X display:

    xvfb-run -a -s "-screen 0 1280x800x24" scripts/run.sh
MSG
    exit 1
fi

exec "$root/build/studio/quillmark-studio" "$@"
