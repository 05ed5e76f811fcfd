#!/usr/bin/env bash
# Builds everything and runs every test headless in each preset: GCC, GCC under AddressSanitizer
# and UBSan, and clang. Each preset runs even when an earlier one failed; a summary of every
# step ends the run, which exits non-zero if any step failed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

presets=(default asan clang)
summary=() passed=0 failed=0
for preset in "${presets[@]}"; do
  echo "== $preset =="
  # A step after a failed one is not run: it would only repeat the failure.
  configure="not run" build="not run" tests="not run"
  if cmake --preset "$preset" >/dev/null; then
    configure=passed
    if cmake --build --preset "$preset"; then
      build=passed
      if ctest --preset "$preset" --parallel "$(nproc)"; then tests=passed; else tests=failed; fi
    else
      build=failed
    fi
  else
    configure=failed
  fi
  if [[ $tests == passed ]]; then ((++passed)); else ((++failed)); fi
  summary+=("$(printf '%-8s configure %-8s build %-8s tests %s' "$preset" "$configure" "$build" "$tests")")
done

echo "== summary =="
printf '%s\n' "${summary[@]}"
echo "presets: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
