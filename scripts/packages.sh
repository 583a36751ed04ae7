# Shared by the scripts: the Debian 12 packages the build, the program and the tests need, and a
# function that installs those not yet installed (as root, or through sudo).
base_packages=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libsqlite3-dev sqlite3 googletest libgtest-dev
  fonts-wqy-microhei qt6-translations-l10n)
# The tests also run where Noto CJK is installed beside WenQuanYi Micro Hei, as on many desktops:
# its taller lines must never reach the question boxes.
test_packages=(fonts-noto-cjk fontconfig)
# The formatter CI checks the C++ files with.
format_packages=(clang-format)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >&2
}
