#!/usr/bin/env bash
# Builds the two programs and starts one of them: Varnel (the default) or Zorvane.
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-Varnel}"
case "$program" in
  Varnel|Zorvane) ;;
  *) echo "usage: $0 [Varnel|Zorvane]" >&2; exit 2 ;;
esac
scripts/install-deps.sh --run-only
cmake --preset release >/dev/null
cmake --build --preset release
exec "build/release/apps/$program"
