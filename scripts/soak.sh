#!/usr/bin/env bash
# Soak test of the program under the sanitizers: starts quilchart, sends it a seeded random
# stream of mouse, wheel, key and resize events through XTest, closes the window, and fails on
# a crash, a sanitizer report, a non-zero exit status, or resident memory at the end more than
# 10% above where it was after the first thousand events.
#   scripts/soak.sh [-n EVENTS] [-s SEED] [-b BUILD_DIR] [PROGRAM ARGUMENTS...]
# Defaults: 10000 events, seed 1, build-asan (configured with -DQUIL_SANITIZE=ON). Without
# program arguments the program opens its main window with a 30 x 30 surface filled
# (--form FILE, written by surface_form_writer). Runs under its own Xvfb when DISPLAY is unset.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
events=10000
seed=1
build_dir="$root/build-asan"
while getopts "n:s:b:" option; do
  case $option in
    n) events=$OPTARG ;;
    s) seed=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    *) sed -n '2,9p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" -n "$events" -s "$seed" -b "$build_dir" "$@"
fi

build_dir=$(cd "$build_dir" && pwd)
cmake --build "$build_dir" --target quilchart soak_driver surface_form_writer -j2 >/dev/null

# Freed blocks wait in a small quarantine, so the sanitizer's own bookkeeping levels off early
# and what grows after the first thousand events is the program's.
export ASAN_OPTIONS="quarantine_size_mb=8:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export NO_AT_BRIDGE=1 GTK_A11Y=none

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
arguments=("$@")
if ((${#arguments[@]} == 0)); then
  "$build_dir/tests/app/surface_form_writer" "$work/surface.dfm" 30
  arguments=(--form "$work/surface.dfm")
fi

echo "soak: $events events, seed $seed: quilchart ${arguments[*]}"
started=$SECONDS
"$build_dir/src/app/quilchart" "${arguments[@]}" 2>"$work/program.log" &
program=$!

driver_status=0
"$build_dir/tests/app/soak_driver" "$program" "$events" "$seed" >"$work/figures.txt" || driver_status=$?

# The close was sent; give the sanitizer's exit checks time, then stop a program that hangs.
program_status=0
for _ in $(seq 1 120); do
  kill -0 "$program" 2>/dev/null || break
  sleep 1
done
if kill -0 "$program" 2>/dev/null; then
  echo "soak: the program did not end after the close" >&2
  kill -KILL "$program"
fi
wait "$program" || program_status=$?

cat "$work/figures.txt"
echo "elapsed_seconds $((SECONDS - started))"
status=0
if ((driver_status)); then echo "soak: the driver failed ($driver_status)" >&2; status=1; fi
if ((program_status)); then echo "soak: the program exited with status $program_status" >&2; status=1; fi
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: " "$work/program.log"; then
  echo "soak: sanitizer report:" >&2
  cat "$work/program.log" >&2
  status=1
fi
first=$(awk '/^rss_first_kib/ {print $2}' "$work/figures.txt")
end=$(awk '/^rss_end_kib/ {print $2}' "$work/figures.txt")
if [[ -n "$first" && -n "$end" ]] && ((first > 0)); then
  if ((end * 10 > first * 11)); then
    echo "soak: resident memory grew from $first KiB to $end KiB (more than 10%)" >&2
    status=1
  fi
else
  echo "soak: no memory figures" >&2
  status=1
fi
((status == 0)) && echo "soak: passed"
exit $status
