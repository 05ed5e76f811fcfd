#!/usr/bin/env bash
# Installs the Debian packages that building and running (and, unless --run-only, testing;
# with --bench, the start-up benchmark; with --package, making the programs' packages; with
# --reproducible, making them with GCC and clang and checking them) need, or with --debian13
# only those that making a Debian 13 root to test in needs; only those that are missing, so it
# does nothing when all are there.
set -euo pipefail

# The release build takes Debian's own build flags from dpkg-buildflags (dpkg-dev).
run_packages=(
  cmake ninja-build g++ pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libcups2-dev libxcb1-dev
)
mapfile -t fonts < <(grep -v '^#' "$(dirname "$0")/font-packages.txt")
run_packages+=("${fonts[@]}")
# Making the Debian packages: dpkg-shlibdeps works out their library dependencies, and CPack
# finds the executables with file.
package_packages=(dpkg-dev file)
# Making the packages with either compiler, and checking them as Debian does.
reproducible_packages=(clang lintian devscripts "${package_packages[@]}")
# The start-up benchmark's probe watches the X server through xcb (libxcb1-dev, above), on Xvfb.
bench_packages=(xvfb)
# The tests drive a private print service and read the printed pages back as text, validate
# the desktop entries, the metainfo and the manual pages (man and col), make and unpack the
# packages, and check the sources' layout and run clang-tidy over them; the whole tree is built
# and tested with clang as well as with GCC.
test_packages=(googletest libgtest-dev libgmock-dev cups cups-daemon cups-client poppler-utils
  desktop-file-utils appstream man-db bsdextrautils clang clang-format clang-tidy
  "${package_packages[@]}")
# mmdebstrap makes the root, checking the archive's signatures with the keyring and gpg.
debian13_packages=(mmdebstrap debian-archive-keyring gpg)

packages=("${run_packages[@]}")
case "${1:-}" in
  --run-only) ;;
  --bench) packages+=("${bench_packages[@]}") ;;
  --package) packages+=("${package_packages[@]}") ;;
  --reproducible) packages+=("${reproducible_packages[@]}") ;;
  --debian13) packages=("${debian13_packages[@]}") ;;
  *) packages+=("${test_packages[@]}") ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Run this script as root (or install sudo) to install them." >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
