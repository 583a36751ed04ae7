# Sourced by scripts/font-cases.sh and scripts/bench.sh: a fontconfig configuration that sees only
# the fonts of the given packages, as a machine with only those installed would.

# The folders that hold a package's font files.
font_folders() {
  dpkg -L "$@" | grep -E '\.(ttf|ttc|otf)$' | xargs -r -n1 dirname | sort -u
}

# Writes DIR/fonts.conf: the packages' font folders, a cache of its own, the system's rules.
# Usage: write_font_case DIR PACKAGE...
write_font_case() {
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
