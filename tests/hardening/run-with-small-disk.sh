#!/usr/bin/env bash
# Runs the tests whose point is a full disk on a small file system of their
# own: a 64 KiB tmpfs mounted in a private mount namespace (as root, or in a
# user namespace otherwise) and named to the tests in VARELO_SMALL_DISK.
#   run-with-small-disk.sh <test binary> <gtest filter>
# Exit 77 (a skip) when no such file system can be mounted here.
set -uo pipefail
binary=$1
filter=$2

# Second stage, inside the namespace: mount, run, report.
if [ "${VARELO_SMALL_DISK_STAGE:-}" = inside ]; then
  mount -t tmpfs -o size=64k varelo-small-disk "$VARELO_SMALL_DISK" 2>/dev/null || exit 77
  log=$(mktemp)
  "$binary" --gtest_filter="$filter" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  # A case that skipped itself is reported as a skip, not as a pass.
  if [ "$status" = 0 ] && grep -q '^\[  SKIPPED \]' "$log"; then status=77; fi
  rm -f "$log"
  exit "$status"
fi

if ! command -v unshare >/dev/null; then
  echo "run-with-small-disk: unshare not found; the full-disk tests skip"
  exit 77
fi
disk=$(mktemp -d "${TMPDIR:-/tmp}/varelo-small-disk.XXXXXX")
trap 'rmdir "$disk"' EXIT
namespace=(--mount)
if [ "$(id -u)" != 0 ]; then namespace=(--user --map-root-user --mount); fi
if ! unshare "${namespace[@]}" true 2>/dev/null; then
  echo "run-with-small-disk: no private mount namespace here; the full-disk tests skip"
  exit 77
fi
VARELO_SMALL_DISK_STAGE=inside VARELO_SMALL_DISK=$disk \
  unshare "${namespace[@]}" "$0" "$binary" "$filter"
status=$?
if [ "$status" = 77 ]; then echo "run-with-small-disk: no small file system could be mounted; the full-disk tests skip"; fi
exit "$status"
