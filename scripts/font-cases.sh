#!/usr/bin/env bash
# Runs every test once per set of installed fonts a user's machine may have: only
# fonts-wqy-microhei, and fonts-wqy-microhei with fonts-noto-cjk (whose taller lines must not be
# chosen for the question boxes). Each case is a fontconfig configuration that lists only the
# font folders of its packages; the tests must already be built (scripts/test.sh).
# Usage: scripts/font-cases.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-${BUILD_DIR:-$here/build}}")

. "$here/scripts/packages.sh"
. "$here/scripts/fontconfig-case.sh"
install_missing fonts-wqy-microhei "${test_packages[@]}"

export QT_QPA_PLATFORM=offscreen
status=0
for case in wqy wqy+noto; do
  packages=(fonts-wqy-microhei)
  [ "$case" = wqy+noto ] && packages+=(fonts-noto-cjk)
  dir="$build/font-cases/$case"
  write_font_case "$dir" "${packages[@]}"
  echo "== Every test with only these fonts: ${packages[*]}"
  FONTCONFIG_FILE="$dir/fonts.conf" fc-list : family | sort -u | sed 's/^/   /'
  (cd "$build" && FONTCONFIG_FILE="$dir/fonts.conf" \
     ctest --output-on-failure --parallel "$(nproc)" --timeout 300) || status=1
done
exit "$status"
