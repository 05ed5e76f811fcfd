#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  googletest libgtest-dev libgmock-dev
  libcups2-dev cups cups-daemon cups-client poppler-utils fonts-comic-neue fonts-liberation2 fonts-dejavu-core fonts-urw-base35
)
if [[ "${1:-}" == "--run-only" ]]; then
  packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libcups2-dev fonts-comic-neue fonts-liberation2 fonts-dejavu-core fonts-urw-base35)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
