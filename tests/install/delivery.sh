#!/usr/bin/env bash
# Checks what a school installs: the version table in each executable, the installed files,
# the desktop entries and metainfo against their validators, and that the installed program
# starts. Exits 77 (reported as skipped) when a tool that a check needs is missing.
set -euo pipefail

need() {
  command -v "$1" >/dev/null || { echo "SKIPPED: $1 is not installed"; exit 77; }
}

# The version table of each program, value for value.
expected_version() {
  printf '%s\n' FILEVERSION=1.2.0.0 PRODUCTVERSION=1.2.0.0 Language=en-US \
    "CompanyName=The Varnel maintainers" FileDescription=1.9MB FileVersion=1.02
  case "$1" in
    Varnel) printf '%s\n' InternalName=Varnel OriginalFilename=Varnel ;;
    Zorvane) printf '%s\n' InternalName=Zorvane OriginalFilename=Zorvane.exe ;;
  esac
  printf '%s\n' ProductName=Ombrelin ProductVersion=1.02
}

# version EXECUTABLE PROGRAM: the executable's .version section holds its table.
check_version() {
  need readelf
  diff -u <(expected_version "$2") \
          <(readelf -p .version "$1" | sed -n 's/^ *\[ *[0-9a-f]*\]  //p')
}

"check_$1" "${@:2}"
