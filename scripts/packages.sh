# Shared by the scripts: the Debian 12 packages the build, the program and the tests need, and a
# function that installs those not yet installed (as root, or through sudo).
# The build and the program. libxkbcommon-dev: Qt's CMake files look for it and say so when missing.
base_packages=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-dev
  libsqlite3-dev fonts-wqy-microhei qt6-translations-l10n)
# The program on a display of its own, served over VNC (scripts/run.sh without a display).
headless_packages=(xvfb x11vnc openbox)
# The tests. They also run where Noto CJK is installed beside WenQuanYi Micro Hei, as on many
# desktops: its taller lines must never reach the question boxes.
test_packages=(googletest libgtest-dev sqlite3 fonts-noto-cjk fontconfig)
# The formatter CI checks the C++ files with.
format_packages=(clang-format)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo_cmd="" log status=0
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  # apt and dpkg talk a lot, some of it in warnings that ask nothing of the user (debconf's
  # "delaying package configuration"): their output is shown only when the installation fails.
  log=$(mktemp)
  {
    $sudo_cmd apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
  } >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    echo "Could not install ${missing[*]}:" >&2
    sed 's/^/  /' "$log" >&2
  fi
  rm -f "$log"
  return "$status"
}
