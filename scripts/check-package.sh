#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the desktop edition installs: `cmake --install` into a staging
# folder, whose desktop entries and AppStream metadata must validate without
# an error or a warning; then the Debian package (cpack), which must hold
# every program (stripped), menu entry, manual page, icon and data file, and
# on which lintian must find no error. Fails on the first problem; prints
# lintian's remaining tags and a closing line.
#   scripts/check-package.sh [BUILD_DIR]    (a built default preset; default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
# shellcheck source=/dev/null
. "$build/packaging/package.env" # package, app_id, programs, icon_sizes

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "check-package: FAILED: $*" >&2
  exit 1
}

# Runs a command quietly, showing what it said when it fails.
quietly() {
  "$@" >"$work/log" 2>&1 || { cat "$work/log" >&2; fail "$*"; }
}

stage=$work/stage
quietly cmake --install "$build" --prefix "$stage"

# Hints are not shown: each entry draws one because Education and Science
# are both main categories, which the menu layout asks for.
report=$(desktop-file-validate "$stage"/share/applications/*.desktop 2>&1) || true
if grep -E ': (error|warning):' <<<"$report"; then fail "desktop-file-validate"; fi
appstreamcli validate --no-net --strict "$stage"/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

quietly cpack --config "$build/CPackConfig.cmake" -B "$work/package"
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}

dpkg-deb --contents "$deb" | awk '{ print $NF }' >"$work/contents"
expected=(
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "usr/share/$package/data/README.md"
  "usr/share/doc/$package/copyright"
  "usr/share/doc/$package/changelog.Debian.gz"
)
for program in $programs; do
  expected+=("usr/bin/$program" "usr/share/applications/$app_id.$program.desktop" "usr/share/man/man1/$program.1.gz")
done
for size in $icon_sizes; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for data in "$here"/data/*.csv; do
  expected+=("usr/share/$package/data/$(basename "$data")")
done
missing=0
for path in "${expected[@]}"; do
  grep -qxF "./$path" "$work/contents" || { echo "missing from the package: /$path" >&2; missing=1; }
done
[ $missing -eq 0 ] || fail "the package lacks files"

dpkg-deb -x "$deb" "$work/root"
for program in $programs; do
  file -b "$work/root/usr/bin/$program" | grep -q ', stripped' || fail "/usr/bin/$program is not stripped"
done

status=0
lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian" || true
[ $status -eq 0 ] || fail "lintian (exit $status)"
warnings=$(grep -c '^W: ' "$work/lintian" || true)

echo "check-package: OK: $(basename "$deb"), ${#expected[@]} files checked, desktop entries and metainfo valid, lintian: no errors, $warnings warning(s)"
