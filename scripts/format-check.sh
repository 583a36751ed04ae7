#!/usr/bin/env bash
# Fails when a C++ file of the tree is not laid out as .clang-format says (clang-format 14, as
# Debian 12 ships it), naming each file and line; `clang-format -i FILE` lays one out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/packages.sh"
install_missing "${format_packages[@]}"
cd "$here"
find src tests bench driver tools \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 clang-format --dry-run --Werror
echo "== Every C++ file is formatted"
