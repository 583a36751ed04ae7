#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints the program's figures as one table: Next
# beside the bare durable SQLite update, the start of a practice, the results and review screens,
# the RTF reader beside unrtf and pandoc (installed here when missing), and the peak memory of the
# start screen and of a whole practice beside a bare Qt window, with only WenQuanYi Micro Hei and
# with Noto CJK beside it (a fontconfig configuration each, as scripts/font-cases.sh makes).
# Usage: scripts/bench.sh [build-dir] [qor_bench options, e.g. --practices 200 (100 by default)]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-bench}
shift || true

. "$here/scripts/packages.sh"
. "$here/scripts/fontconfig-case.sh"
install_missing "${base_packages[@]}" fonts-wqy-microhei "${test_packages[@]}"

# The converters the RTF reader is compared with; the table says "skipped" for one that cannot
# be installed (no root, no sudo, no package list).
missing=()
command -v unrtf >/dev/null || missing+=(unrtf)
command -v pandoc >/dev/null || missing+=(pandoc)
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null && sudo -n true 2>/dev/null && sudo_cmd="sudo -n"
  fi
  if [ "$(id -u)" -eq 0 ] || [ -n "$sudo_cmd" ]; then
    echo "Installing ${missing[*]} to compare the RTF reader with" >&2
    { $sudo_cmd apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"; } >&2 || echo "Note: could not install ${missing[*]}; their rows are skipped" >&2
  else
    echo "Note: ${missing[*]} not installed and no root rights; their rows are skipped" >&2
  fi
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_BENCH=ON -DQOR_TESTS=OFF >&2
cmake --build "$build" --parallel "$(nproc)" --target qor_bench qor-practice-driver rtf_bench \
  hostile_bench bare_window >&2

font_cases=()
for case in wqy wqy+noto; do
  packages=(fonts-wqy-microhei)
  [ "$case" = wqy+noto ] && packages+=(fonts-noto-cjk)
  write_font_case "$build/font-cases/$case" "${packages[@]}"
  font_cases+=(--font-case "$case=$build/font-cases/$case/fonts.conf")
done

export QT_QPA_PLATFORM=offscreen
# The work folder lies in the build folder: the program folder, the bare-update database beside
# its question database, and the RTF files the converters read, all on the same disk.
exec "$build/bench/qor_bench" --work "$build/bench-work" \
  --driver "$build/driver/qor-practice-driver" --rtf-bench "$build/bench/rtf_bench" \
  --bare-window "$build/bench/bare_window" "${font_cases[@]}" "$@"
