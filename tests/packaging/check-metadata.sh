#!/usr/bin/env bash
# The desktop entry and the AppStream description pass their validators
# without a remark, and agree with what the desktop sees of the running game.
#   check-metadata.sh DESKTOP_FILE METAINFO SCREENSHOT_DIR PROGRAM_NAME
set -uo pipefail
desktop=$1
metainfo=$2
screenshots=$3
program=$4
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

echo "== desktop-file-validate $desktop"
if ! out=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$out" ]; then fail "desktop-file-validate: ${out:-no tool}"; fi

echo "== appstreamcli validate --pedantic --no-net $metainfo"
out=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || fail "appstreamcli validate ended with $status"
# AppStream 1.0's <developer>, which Debian 12's validator (0.16) does not
# know yet; <developer_name> beside it serves that version.
remarks=$(grep -E '^[EWIP]: ' <<<"$out" | grep -v ': unknown-tag developer$')
[ -z "$remarks" ] || fail "appstreamcli remarks: $remarks"

# Qt names an X11 window's class after the program, and a dock finds the
# entry of a window by that class.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key StartupWMClass)" = "$program" ] || fail "StartupWMClass=$(key StartupWMClass), the window's class is $program"
[ "$(key Exec)" = "$program" ] || fail "Exec=$(key Exec), the program is $program"
id=$(basename "$desktop" .desktop)
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), the icon is installed as $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo launches no $id.desktop"

# Every screenshot is one of docs/screenshots, at the size it claims.
shots=0
while read -r width height name; do
  shots=$((shots + 1))
  file=$screenshots/$name
  if [ ! -f "$file" ]; then
    fail "screenshot $name is not in $screenshots"
    continue
  fi
  # A PNG's width and height: big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$file" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$width $height" ] || fail "screenshot $name is $w x $h, the metainfo says $width x $height"
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
[ $shots -gt 0 ] || fail "the metainfo shows no screenshot"

[ $failed -eq 0 ] && echo "metadata: all checks passed"
exit $failed
