#!/usr/bin/env bash
# Builds the two programs' Debian packages, varnel and zorvane, from the release build into
# build/packages.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --package
# CPack gives the package's members the modes of the files it writes.
umask 022
cmake --workflow --preset packages
ls build/packages/*.deb
