#!/usr/bin/env bash
# Runs clang-tidy with .clang-tidy over every source file under src/, in parallel, with the
# compile commands of a build folder (default: build/default).
# Exits 77 (skipped) where clang-tidy 14, the version the checks were chosen for, is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build_dir=$(realpath "${1:-build/default}")

tidy=""
for candidate in clang-tidy-14 clang-tidy; do
  if command -v "$candidate" >/dev/null &&
     "$candidate" --version | grep -Eq 'LLVM version 14\.'; then
    tidy=$(command -v "$candidate")
    break
  fi
done
runner=$(command -v run-clang-tidy-14 || true)
if [[ -z $tidy || -z $runner ]]; then
  echo "No clang-tidy 14 with run-clang-tidy-14 found: the clang-tidy check is skipped."
  exit 77
fi
if [[ ! -f $build_dir/compile_commands.json ]]; then
  echo "No compile_commands.json in $build_dir: configure that build first." >&2
  exit 1
fi

# Only the files under src/ that the build compiles; generated sources lie in the build folder.
"$runner" -clang-tidy-binary "$tidy" -p "$build_dir" -quiet -j "$(nproc)" \
  "^$source_dir/src/.*\\.cpp\$"
