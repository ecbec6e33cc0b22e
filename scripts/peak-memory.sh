#!/usr/bin/env bash
# Peak memory (maximum resident set size, from GNU time) of the program from start to its
# first paint, and of the headless snapshot tool for comparison. Needs a built tree:
#   scripts/peak-memory.sh [BUILD_DIR]        (default: build)
# The program runs on a private X server and ends itself once the chart has painted
# (QUILCHART_EXIT_AFTER_FIRST_PAINT=1).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-"$root/build"}
app="$build_dir/src/app/quilchart"
snapshot="$build_dir/src/snapshot/chart_snapshot"

[[ -x /usr/bin/time ]] || { echo "peak-memory: /usr/bin/time is missing (Debian package 'time')" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "peak-memory: xvfb-run is missing (Debian package 'xvfb')" >&2; exit 1; }
for program in "$app" "$snapshot"; do
  [[ -x "$program" ]] || { echo "peak-memory: build it first ($program)" >&2; exit 1; }
done

report=$(mktemp)
picture=$(mktemp --suffix=.png)
trap 'rm -f "$report" "$picture"' EXIT

# Prints "<what>: <kB> kB (<MiB> MiB) maximum resident set size" from one time -v report.
print_peak() {
  local kb
  kb=$(awk -F': *' '/Maximum resident set size/ {print $2}' "$report")
  [[ -n "$kb" ]] || { echo "peak-memory: no figure for $1" >&2; cat "$report" >&2; exit 1; }
  awk -v what="$1" -v kb="$kb" 'BEGIN { printf "%s: %d kB (%.1f MiB) maximum resident set size\n", what, kb, kb / 1024 }'
}

# time wraps the program itself, not xvfb-run, so the X server's memory is not counted.
QUILCHART_EXIT_AFTER_FIRST_PAINT=1 NO_AT_BRIDGE=1 GTK_A11Y=none \
  timeout 60 xvfb-run -a -s "-screen 0 1600x1200x24" /usr/bin/time -v -o "$report" "$app"
print_peak "quilchart, start to first paint"

/usr/bin/time -v -o "$report" "$snapshot" "$picture"
print_peak "chart_snapshot, 913 x 705"
