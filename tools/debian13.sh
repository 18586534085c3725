#!/usr/bin/env bash
# Runs the README's test command, warnings as errors, on Debian 13 (trixie):
# in a root of its own that debootstrap makes from the Debian package
# service this machine's apt uses, kept for the next run. Needs root
# (debootstrap, mount and chroot).
#
#   tools/debian13.sh          the root in /var/cache/tintline/debian13,
#                              or in $TINTLINE_DEBIAN13_ROOT
set -euo pipefail
cd "$(dirname "$0")/.."

root=${TINTLINE_DEBIAN13_ROOT:-/var/cache/tintline/debian13}
ready=$root/.tintline-ready

fail() {
  echo "tools/debian13.sh: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "needs root, to make the Debian 13 root and to run the tests in it (chroot)"

# Debian's own service as this machine's apt reaches it; Debian's main
# address where apt lists none.
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Label: Debian' 'Created-By: Packages' \
  2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian/}

if [ ! -e "$ready" ]; then
  bash tools/setup.sh debootstrap
  echo "== Making a Debian 13 root in $root from $mirror"
  rm -rf "$root"
  mkdir -p "$(dirname "$root")"
  if ! debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.log" 2>&1; then
    tail -n 20 "$root.log" >&2
    fail "could not make a Debian 13 root in $root with debootstrap from $mirror (the whole log: $root.log)"
  fi
  touch "$ready"
fi

# The root sees the machine's devices and processes, and names as the
# machine resolves them, while the tests run; nothing stays mounted after.
mounted=()
unmount() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[i]}" 2>/dev/null || true
  done
}
trap unmount EXIT
for dir in proc dev dev/pts; do
  mountpoint -q "$root/$dir" && continue
  case $dir in
    proc) mount -t proc proc "$root/proc" ;;
    dev/pts) mount -t devpts devpts "$root/dev/pts" ;;
    *) mount --bind "/$dir" "$root/$dir" ;;
  esac || fail "could not mount /$dir in $root"
  mounted+=("$root/$dir")
done
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# A fresh copy of this tree: what git tracks, and new files it does not ignore.
rm -rf "$root/src"
mkdir -p "$root/src"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -c | tar -x -C "$root/src"

echo "== The README's test command on Debian 13, warnings as errors"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /src && bash tools/test.sh --werror'
