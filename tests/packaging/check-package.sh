#!/usr/bin/env bash
# Packs the build tree and checks the package: its files (no more, no fewer,
# with their modes), each PNG icon at its folder's size, and Depends naming
# Qt's libraries and what the game loads by name.
#   check-package.sh MAKE_DEB BUILD_DIR EXPECTED_FILES
set -uo pipefail
make_deb=$1
build=$2
expected=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/varelo-package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

deb=$("$make_deb" "$build" "$work/out") || { echo "FAIL: make-deb failed"; exit 1; }
echo "== $deb"
dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ {print $1, $2, $NF}' | sort >"$work/files"
if ! diff -u <(grep -v '^#' "$expected" | sort) "$work/files"; then
  fail "the package's files differ from $expected (- expected, + in the package)"
fi

dpkg-deb -x "$deb" "$work/root"
for png in "$work"/root/usr/share/icons/hicolor/*/apps/*.png; do
  side=$(basename "$(dirname "$(dirname "$png")")")
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$size" = "$side" ] || fail "the icon in $side is $size"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6svg6 fonts-wqy-microhei fonts-arphic-ukai fonts-comic-neue fonts-dejavu-core \
  qt6-translations-l10n; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends names no $package"
done

[ $failed -eq 0 ] && echo "package: all checks passed"
exit $failed
