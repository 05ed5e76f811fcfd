#!/usr/bin/env bash
# Checks that every C++ source file under version control is laid out as .clang-format says.
# Exits 77 (skipped) where clang-format 14, the version the layout was tuned for, is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null &&
     "$candidate" --version | grep -Eq 'clang-format version 14\.'; then
    formatter=$candidate
    break
  fi
done
if [[ -z $formatter ]]; then
  echo "No clang-format 14 found: the layout check is skipped."
  exit 77
fi
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "Not a git checkout: the files to check are unknown, the layout check is skipped."
  exit 77
fi

mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'apps/*.cpp' 'apps/*.h' \
  'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h')
echo "Checking the layout of ${#files[@]} files with $formatter."
"$formatter" --dry-run -Werror "${files[@]}"
