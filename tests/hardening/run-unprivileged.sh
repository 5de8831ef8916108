#!/usr/bin/env bash
# Runs the tests whose point is a permission the user lacks (a read-only
# settings file, an unreadable puzzle file). Root ignores such permissions,
# and CI runs as root, so there the tests run as the user nobody instead;
# any other user runs them as itself.
#   run-unprivileged.sh <test binary> <gtest filter>
# Exit 77 (a skip) when root cannot change user.
set -uo pipefail
binary=$1
filter=$2

# A case that skips itself (the permission did not hold) is reported as a
# skip, not as a pass.
run_and_report() {
  local log status
  log=$(mktemp)
  "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  if [ "$status" = 0 ] && grep -q '^\[  SKIPPED \]' "$log"; then status=77; fi
  rm -f "$log"
  return "$status"
}

if [ "$(id -u)" != 0 ]; then
  run_and_report "$binary" --gtest_filter="$filter"
  exit $?
fi
if ! command -v setpriv >/dev/null; then
  echo "run-unprivileged: setpriv not found; the permission tests skip"
  exit 77
fi

# The build tree may sit where nobody cannot reach it (/root): run a copy
# from a folder of nobody's own, with its home and runtime folder there too.
work=$(mktemp -d "${TMPDIR:-/tmp}/varelo-unprivileged.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/run"
cp "$binary" "$work/test"
suppressions=""
if [ -n "${LSAN_OPTIONS:-}" ]; then
  # The sanitized build's leak suppressions, likewise copied within reach.
  source_file=$(sed -n 's/.*suppressions=\([^:]*\).*/\1/p' <<<"$LSAN_OPTIONS")
  if [ -n "$source_file" ] && cp "$source_file" "$work/lsan.supp"; then
    suppressions="suppressions=$work/lsan.supp"
  fi
fi
chown -R nobody:nogroup "$work"
chmod 0755 "$work"
cd "$work" || exit 1
run_and_report setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$work" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work" \
  LSAN_OPTIONS="${suppressions:-${LSAN_OPTIONS:-}}" \
  "$work/test" --gtest_filter="$filter"
