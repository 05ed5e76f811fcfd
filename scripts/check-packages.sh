#!/usr/bin/env bash
# Checks the programs' Debian packages (those given, else build/packages/*.deb) as a
# distribution would: lintian with every tag shown gives no error, warning or hardening tag,
# and hardening-check passes on every program they install.
set -euo pipefail

for tool in lintian hardening-check dpkg-deb readelf; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh --reproducible)" >&2; exit 1; }
done
(( $# )) || set -- "$(dirname "$0")"/../build/packages/*.deb
[[ -f "$1" ]] || { echo "no packages: run scripts/package.sh first" >&2; exit 1; }

failed=0
report=$(lintian -I --pedantic --fail-on none "$@" 2>/dev/null)
[[ -z "$report" ]] || echo "$report"
if grep -E '^[EW]: |hardening-no-' <<<"$report" >/dev/null; then
  echo "lintian: errors, warnings or hardening tags above"
  failed=1
fi

# Debian 12's C library start files carry no IBT/SHSTK note, so the linker marks no program
# linked there (/usr/bin/ls neither); control-flow protection counts where they carry it.
cet=()
start_file=$(realpath "$(${CXX:-c++} -print-file-name=Scrt1.o)")
if ! readelf -n "$start_file" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
  echo "hardening-check: control-flow protection not counted, $start_file is not marked for it"
  cet=(--nocfprotection)
fi
# Branch protection (BTI and PAC) exists only on arm64; Debian 13's hardening-check asks for it
# on every architecture, while Debian 12's neither checks it nor knows the option.
if [[ $(dpkg --print-architecture) != arm64 ]] &&
  grep -q -e '--nobranchprotection' < <(hardening-check --help 2>&1); then
  cet+=(--nobranchprotection)
fi
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for deb in "$@"; do
  rm -rf "${unpacked:?}"/*
  dpkg-deb -x "$deb" "$unpacked"
  for program in "$unpacked"/usr/bin/*; do
    hardening-check "${cet[@]}" "$program" | sed "s|$unpacked||" || failed=1
  done
done
exit $failed
