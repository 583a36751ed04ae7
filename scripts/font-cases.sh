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
install_missing fonts-wqy-microhei "${test_packages[@]}"

# The folders that hold a package's font files.
font_folders() {
  dpkg -L "$@" | grep -E '\.(ttf|ttc|otf)$' | xargs -r -n1 dirname | sort -u
}

# Writes the configuration of one case: its font folders, its own cache, the system's rules.
write_case() {
  local dir=$1; shift
  mkdir -p "$dir/cache"
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
    echo '<fontconfig>'
    font_folders "$@" | sed 's@.*@  <dir>&</dir>@'
    echo "  <cachedir>$dir/cache</cachedir>"
    echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
    echo '</fontconfig>'
  } > "$dir/fonts.conf"
}

export QT_QPA_PLATFORM=offscreen
status=0
for case in wqy wqy+noto; do
  packages=(fonts-wqy-microhei)
  [ "$case" = wqy+noto ] && packages+=(fonts-noto-cjk)
  dir="$build/font-cases/$case"
  write_case "$dir" "${packages[@]}"
  echo "== Every test with only these fonts: ${packages[*]}"
  FONTCONFIG_FILE="$dir/fonts.conf" fc-list : family | sort -u | sed 's/^/   /'
  (cd "$build" && FONTCONFIG_FILE="$dir/fonts.conf" \
     ctest --output-on-failure --parallel "$(nproc)" --timeout 300) || status=1
done
exit "$status"
