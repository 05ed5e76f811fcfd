#!/usr/bin/env bash
# Builds the two programs and starts one of them: Varnel (the default) or Zorvane.
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-Varnel}"
case "$program" in
  Varnel|Zorvane) ;;
  *) echo "usage: $0 [Varnel|Zorvane]" >&2; exit 2 ;;
esac
# Said before minutes of installing and building, not after them.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
  echo "$program needs a desktop session to show its windows, and neither DISPLAY nor" >&2
  echo "WAYLAND_DISPLAY is set. Start it from a desktop; scripts/test.sh runs the tests headless." >&2
  exit 1
fi
scripts/install-deps.sh --run-only
cmake --preset release >/dev/null
cmake --build --preset release
exec "build/release/apps/$program"
