#!/usr/bin/env bash
# Builds the two programs' Debian packages twice from clean clones of one commit (the given
# one, else HEAD), in two different folders and a while apart, with GCC and with clang, and
# checks that each pair is byte for byte the same; where they differ, it shows what differs.
# Then checks the GCC packages, the ones scripts/package.sh makes, with scripts/check-packages.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
scripts/install-deps.sh --reproducible
work=$(mktemp -d "${TMPDIR:-/tmp}/reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
# As scripts/package.sh makes them: CPack gives the package's members the modes of its files.
umask 022

# build COMPILER FOLDER: the release packages of the commit, made in a fresh clone at FOLDER.
build() {
  local log="$work/build.log"
  git clone -q --no-checkout "$PWD" "$2"
  git -C "$2" -c advice.detachedHead=false checkout -q "$commit"
  if ! (cd "$2" && CXX=$1 cmake --preset release && cmake --build --preset release &&
        cpack --preset release) >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "the $1 build in $2 failed" >&2
    exit 1
  fi
}

# sections FILE1 FILE2: the ELF sections whose contents differ.
sections() {
  local section
  for section in $(readelf -SW "$1" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p'); do
    objcopy -O binary --only-section="$section" "$1" "$work/section1" 2>/dev/null || continue
    objcopy -O binary --only-section="$section" "$2" "$work/section2" 2>/dev/null || continue
    cmp -s "$work/section1" "$work/section2" || echo "    section $section differs"
  done
}

# explain DEB1 DEB2: what differs between two packages, member by member and file by file.
explain() {
  local member file
  rm -rf "$work/explain"
  mkdir -p "$work/explain/1" "$work/explain/2"
  (cd "$work/explain/1" && ar x "$1")
  (cd "$work/explain/2" && ar x "$2")
  diff <(ar tv "$1") <(ar tv "$2") || true
  for member in $(ar t "$1"); do
    cmp -s "$work/explain/1/$member" "$work/explain/2/$member" && continue
    echo "  $member differs"
    [[ $member == *.tar* ]] || continue
    diff <(tar -tvf "$work/explain/1/$member") <(tar -tvf "$work/explain/2/$member") || true
    mkdir "$work/explain/1/${member}.d" "$work/explain/2/${member}.d"
    tar -xf "$work/explain/1/$member" -C "$work/explain/1/${member}.d"
    tar -xf "$work/explain/2/$member" -C "$work/explain/2/${member}.d"
    (cd "$work/explain/1/${member}.d" && find . -type f | LC_ALL=C sort) | while read -r file; do
      local one="$work/explain/1/${member}.d/$file" two="$work/explain/2/${member}.d/$file"
      [[ -f "$two" ]] && ! cmp -s "$one" "$two" || continue
      echo "  $file: $(cmp -l "$one" "$two" 2>/dev/null | wc -l) bytes differ"
      if [[ "$(head -c4 "$one")" == $'\x7fELF' ]]; then sections "$one" "$two"; fi
    done
  done
}

failed=0
for compiler in g++ clang++; do
  first="$work/$compiler/one/varnel"
  second="$work/$compiler/second-build/a-longer-folder-name"
  echo "Building with $compiler in $first"
  build "$compiler" "$first"
  sleep 1
  echo "Building with $compiler in $second"
  build "$compiler" "$second"
  if ! diff <(cd "$first/build/packages" && ls) <(cd "$second/build/packages" && ls); then
    failed=1
  fi
  for deb in "$first"/build/packages/*.deb; do
    name=$(basename "$deb")
    if cmp -s "$deb" "$second/build/packages/$name"; then
      echo "$compiler: $name is the same in both builds ($(sha256sum <"$deb" | cut -c1-16))"
    else
      echo "$compiler: $name differs between the builds:"
      explain "$deb" "$second/build/packages/$name"
      failed=1
    fi
  done
  # clang 14 with Debian 12's C library checks no printf-family call (GCC's __va_arg_pack is
  # missing), and the programs have no other call whose buffer size is known when compiled:
  # lintian and hardening-check find no fortified function in clang's packages.
  if [[ $compiler == g++ ]]; then
    CXX=$compiler scripts/check-packages.sh "$first"/build/packages/*.deb || failed=1
  fi
done
exit $failed
