#!/usr/bin/env bash
# Runs tests as an installed game runs: a copy of the test program in a
# folder outside the build tree, which this user may write to (as ~/.local
# or a run as root allow), with the per-user folders in a folder of its own.
#   run-installed.sh <test binary> <gtest filter>
set -euo pipefail
binary=$1
filter=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/varelo-installed.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home" "$work/data" "$work/config"
mkdir -m 0700 "$work/run"
cp "$binary" "$work/bin/"
cd "$work"
HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
  "$work/bin/$(basename "$binary")" --gtest_filter="$filter"
