#!/usr/bin/env bash
# Cuts the wires that carry a person's or the clock's events to the screens, one at a time, and
# tells which cut no test notices. A wire is every connect and single-shot timer of the screens
# (src/practice, src/results), the platform's connects and emits that carry mouse, key and timer
# events to them, and the calls by which a window hands its own mouse moves, keys and close command
# to its screen.
# Each cut is made on a scratch copy of the tree, built in a build folder of its own (incremental
# from one cut to the next), and the whole test suite runs against it. Slow: not part of CI.
#
# Usage: scripts/cut-wires.sh [scratch-dir]   (default: $TMPDIR/qor-cut-wires)
#   JOBS=4      build and test jobs
#   ONLY=regex  make only the cuts whose "file:line" matches
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=${1:-${TMPDIR:-/tmp}/qor-cut-wires}
jobs=${JOBS:-4}
only=${ONLY:-}
tree=$scratch/tree
build=$scratch/build
export QT_QPA_PLATFORM=offscreen

# --- the scratch copy --------------------------------------------------------------------------
# Files that differ are copied with a fresh time, so the build notices them; the others keep
# theirs, so the build stays incremental between runs.
sync_tree() {
  mkdir -p "$tree"
  local listed=$scratch/files
  (cd "$here" && git ls-files --cached --others --exclude-standard) | sort >"$listed"
  while IFS= read -r file; do
    [ -f "$here/$file" ] || continue
    if ! cmp -s "$here/$file" "$tree/$file" 2>/dev/null; then
      mkdir -p "$(dirname "$tree/$file")"
      cp "$here/$file" "$tree/$file"
    fi
  done <"$listed"
  (cd "$tree" && find . -type f | sed 's|^\./||' | sort) | comm -13 "$listed" - |
    while IFS= read -r stale; do rm -f "$tree/$stale"; done
}

build_tree() {
  cmake --build "$build" --parallel "$jobs" >"$scratch/build.log" 2>&1
}

# Runs the whole suite, the screens' and controls' tests first, and stops at the first failure.
# Prints the failing tests, if any.
screen_tests='^test_(questions|start|results|forms)\.'
run_tests() {
  local log=$scratch/ctest.log
  if (cd "$build" && ctest --parallel "$jobs" --timeout 300 --stop-on-failure -R "$screen_tests" &&
    ctest --parallel "$jobs" --timeout 300 --stop-on-failure -E "$screen_tests") >"$log" 2>&1; then
    return 0
  fi
  sed -n '/The following tests FAILED/,$p' "$log" | grep -E '^\s+[0-9]+ - ' |
    sed -E 's/^\s+[0-9]+ - //; s/ +# GetParam\(\) = .*//; s/ \([A-Za-z ]+\)$//' | head -3 |
    paste -sd ';' - | sed 's/;/; /g'
  return 1
}

# --- the cuts ----------------------------------------------------------------------------------
# A cut is "file:line:kind". "statement": the statement that starts on that line is commented out
# up to the line where its parentheses close. "emit": the emit on that line is removed.
list_cuts() {
  set +e +o pipefail # a file without wires is no failure
  local file line
  for file in "$tree"/src/practice/*.cpp "$tree"/src/results/*.cpp; do
    grep -nE 'connect\(|singleShot\(' "$file" | cut -d: -f1 | while read -r line; do
      echo "${file#"$tree"/}:$line:statement"
    done
  done
  local forms=src/platform/forms
  # The timer's tick and the grid's current cell, which a click moves.
  grep -n 'connect(&m_timer, &QTimer::timeout' "$tree/$forms/timer.cpp" | cut -d: -f1 |
    sed "s|^|$forms/timer.cpp:|; s|$|:statement|"
  grep -n 'connect(this, &QTableWidget::currentCellChanged' "$tree/$forms/grid.cpp" |
    cut -d: -f1 | sed "s|^|$forms/grid.cpp:|; s|$|:statement|"
  # The signals the controls raise for the mouse, the keys and the clock.
  for file in timer clickablelabel combobox grid; do
    grep -n 'emit ' "$tree/$forms/$file.cpp" | cut -d: -f1 |
      sed "s|^|$forms/$file.cpp:|; s|$|:emit|"
  done
  # A window's own mouse moves, keys and close command, handed to its screen.
  grep -n 'runHandler(' "$tree/$forms/form.cpp" | cut -d: -f1 |
    sed "s|^|$forms/form.cpp:|; s|$|:statement|"
}

cut_statement() { # file line
  awk -v from="$2" '
    NR == from { cutting = 1; depth = 0 }
    cutting {
      line = $0
      depth += gsub(/\(/, "(", line) - gsub(/\)/, ")", line)
      print "// " $0
      if (depth <= 0 && $0 ~ /;[[:space:]]*(\/\/.*)?$/) cutting = 0
      next
    }
    { print }' "$1" >"$1.cut"
  cat "$1.cut" >"$1" && rm -f "$1.cut"
}

cut_emit() { # file line
  sed -i -E "$2s/emit [A-Za-z_]+\([^;]*\);//" "$1"
}

# --- the run -----------------------------------------------------------------------------------
mkdir -p "$scratch"
echo "== Scratch copy in $tree"
sync_tree
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$scratch/configure.log"
fi
echo "== Uncut build and tests"
build_tree || { echo "the uncut tree does not build: see $scratch/build.log"; exit 2; }
if ! failing=$(run_tests); then
  echo "the uncut tree fails tests ($failing): see $scratch/ctest.log"
  exit 2
fi

mapfile -t cuts < <(list_cuts)
[ ${#cuts[@]} -gt 0 ] || { echo "no wires found to cut"; exit 2; }
original=$scratch/original
current=
restore() {
  if [ -n "$current" ]; then
    cp "$original" "$tree/$current" # a fresh time: the next build compiles it again
    current=
  fi
}
trap restore EXIT INT TERM

total=0 caught=0 survived=0 broken=0
survivors=()
for cut in "${cuts[@]}"; do
  IFS=: read -r file line kind <<<"$cut"
  [ -n "$only" ] && ! [[ "$file:$line" =~ $only ]] && continue
  what=$(sed -n "${line}p" "$tree/$file" | sed -E 's/^\s+//' | cut -c1-90)
  [ "$kind" = emit ] && what="the $(grep -oE 'emit [A-Za-z_]+' <<<"$what") alone"
  cp "$tree/$file" "$original"
  current=$file
  case $kind in
  statement) cut_statement "$tree/$file" "$line" ;;
  emit) cut_emit "$tree/$file" "$line" ;;
  esac
  if cmp -s "$original" "$tree/$file"; then
    echo "?? $file:$line: the cut changed nothing: $what"
    restore
    continue
  fi
  total=$((total + 1))
  if ! build_tree; then
    broken=$((broken + 1))
    echo "!! $file:$line does not build when cut: $what"
  elif failing=$(run_tests); then
    survived=$((survived + 1))
    survivors+=("$file:$line  $what")
    echo "SURVIVED  $file:$line  $what"
  else
    caught=$((caught + 1))
    echo "caught    $file:$line  $what"
    echo "          by $failing"
  fi
  restore
done
build_tree || true # leave the scratch build uncut

echo
if [ ${#survivors[@]} -gt 0 ]; then
  echo "Cuts no test catches:"
  printf '  %s\n' "${survivors[@]}"
fi
echo "$total cuts, $caught caught, $survived survived$([ "$broken" -gt 0 ] && echo ", $broken did not build")"
[ "$survived" -eq 0 ] && [ "$broken" -eq 0 ]
