#!/usr/bin/env bash
# Runs the test command, the package command and the packages' checks (scripts/test.sh,
# package.sh, reproducible.sh) on a clean clone of this tree's last commit inside a fresh
# Debian 13 ("trixie") root made with mmdebstrap, where each installs what it needs.
#
# usage: scripts/test-debian13.sh [--keep DIR]
#   --keep  make the root in DIR (replacing one made there before) and leave it there;
#           without it the root is made in a temporary folder and removed at the end
#
# Needs root and mmdebstrap. Downloaded packages are kept in /var/cache/varnel-debian13 for the
# next run (pruned of those the archive no longer has); a run without them downloads them.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --keep) keep="${2:?--keep needs a folder}"; shift 2 ;;
    *) sed -n '6,8p' "$0" >&2; exit 2 ;;
  esac
done
if [[ $(id -u) -ne 0 ]]; then
  echo "Making a Debian root needs root: run this script as root." >&2
  exit 1
fi
scripts/install-deps.sh --debian13

started=$SECONDS
cache=/var/cache/varnel-debian13/archives
mkdir -p "$cache"
# The mark tells a root made here from any other folder, which is never replaced.
mark=.made-by-test-debian13
if [[ -n "$keep" ]]; then
  root=$(realpath -m "$keep")
  if [[ -n "$(ls -A "$root" 2>/dev/null)" && ! -e "$root/$mark" ]]; then
    echo "$root holds something else than a root made here; choose another folder." >&2
    exit 1
  fi
  # It was mounted on only inside the namespaces below, so nothing is mounted on it now.
  rm -rf --one-file-system "$root"
  mkdir -p "$root"
else
  root=$(mktemp -d /var/tmp/debian13-root.XXXXXX)
  trap 'rm -rf --one-file-system "$root"' EXIT
fi
touch "$root/$mark"
# The root's own / must be open to apt's unprivileged downloader.
chmod 0755 "$root"

# Every mount below is made in a private mount namespace of its own, so it is gone when that
# namespace's last process ends, however the run ends, and the machine never sees it.
in_namespace() { unshare --mount --propagation private -- "$@"; }

echo "== Debian 13 root in $root =="
# The downloaded packages live outside the root; unmounted before mmdebstrap's clean-up so
# that its clean-up leaves them there. Git is there as on any machine the tree was cloned to.
# shellcheck disable=SC2016  # the hooks' $1 is the root, expanded by mmdebstrap
in_namespace mmdebstrap --mode=root --variant=minbase --include=git \
  --skip=check/empty --skip=essential/unlink --skip=cleanup/apt/lists \
  --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
  --setup-hook="mount --bind '$cache' \"\$1/var/cache/apt/archives\"" \
  --customize-hook='umount "$1/var/cache/apt/archives"' \
  trixie "$root" \
  "deb http://deb.debian.org/debian trixie main" \
  "deb http://deb.debian.org/debian trixie-updates main" \
  "deb http://deb.debian.org/debian-security trixie-security main"

# A clean clone of the last commit, not the working tree with whatever it holds besides.
tree="$root/root/varnel"
git init --quiet "$tree"
git -C "$tree" fetch --quiet "$PWD" HEAD
git -C "$tree" checkout --quiet --detach FETCH_HEAD

# Inside: the kernel's file systems, a private /dev/pts, /dev/shm and /tmp, the package cache;
# the network is the machine's, with mmdebstrap's copy of its resolv.conf. Each command
# reports its own outcome; the last line sums them up.
inside=$(cat <<'EOF'
status=0 results=""
for command in scripts/test.sh scripts/package.sh scripts/reproducible.sh; do
  echo "== Debian 13: $command =="
  if "$command"; then results+="$command passed; "; else results+="$command failed; "; status=1; fi
done
apt-get autoclean -qq || true
echo "== Debian 13: ${results%; } =="
exit "$status"
EOF
)
status=0
# shellcheck disable=SC2016  # expanded by the shell inside the namespace
in_namespace bash -euo pipefail -c '
  root=$1 cache=$2 inside=$3 ci=$4
  mount -t proc proc "$root/proc"
  mount -t sysfs -o ro sysfs "$root/sys"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
  mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx"
  mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
  mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
  mount --bind "$cache" "$root/var/cache/apt/archives"
  environment=(PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8)
  [[ -z $ci ]] || environment+=("CI=$ci")
  exec chroot "$root" /usr/bin/env -i "${environment[@]}" bash -c "cd /root/varnel && $inside"
' _ "$root" "$cache" "$inside" "${CI:-}" || status=$?

echo "Debian 13 run took $((SECONDS - started)) s"
exit "$status"
