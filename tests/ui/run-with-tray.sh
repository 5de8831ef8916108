#!/usr/bin/env bash
# Runs a test binary on a virtual X display with openbox as the window
# manager and trayer as the notification area, so the tests of the boss
# key's tray icon can run as on a desktop. Without xvfb-run, or when no X
# server starts, the binary runs offscreen instead, where those tests skip
# themselves.
#   run-with-tray.sh <test binary> [arguments...]
set -uo pipefail
binary=$1
shift

run_offscreen() {
  echo "run-with-tray: $1; running offscreen, the tray tests skip"
  QT_QPA_PLATFORM=offscreen exec "$binary" "$@"
}

# Second stage, inside the virtual display: start the desktop, run, stop it.
if [ "${VARELO_TRAY_STAGE:-}" = inside ]; then
  : >"$VARELO_TRAY_MARK"
  wm_pid=""
  tray_pid=""
  # A window manager answers the window's state changes as on a desktop.
  if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
  fi
  # A window mapped before the manager runs is never framed: wait for it.
  if [ -n "$wm_pid" ] && command -v xprop >/dev/null; then
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.05
    done
  fi
  if command -v trayer >/dev/null; then
    trayer --edge bottom --align right --widthtype pixel --width 160 \
      --heighttype pixel --height 28 >/dev/null 2>&1 &
    tray_pid=$!
  else
    echo "run-with-tray: trayer not found; the tray tests skip"
  fi
  # Offscreen stands in should the display refuse the connection.
  QT_QPA_PLATFORM="xcb;offscreen" "$binary" "$@"
  status=$?
  for pid in $tray_pid $wm_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  echo "$status" >"$VARELO_TRAY_MARK"
  exit "$status"
fi

command -v xvfb-run >/dev/null || run_offscreen "xvfb-run not found" "$@"
mark=$(mktemp -u "${TMPDIR:-/tmp}/varelo-tray.XXXXXX")
VARELO_TRAY_STAGE=inside VARELO_TRAY_MARK=$mark \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$binary" "$@"
status=$?
if [ ! -e "$mark" ]; then run_offscreen "no X server could be started" "$@"; fi
# The tests' own result: xvfb-run may fail on its own once they are done.
if [ -s "$mark" ]; then status=$(cat "$mark"); fi
rm -f "$mark"
exit "$status"
