#!/usr/bin/env bash
# Builds the project and runs the whole test suite: the headless tests directly, the tests of
# the program's window under a private X server.
#   scripts/test.sh [BUILD_DIR [CMAKE_ARGS...]]     (default: build, Release)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-"$root/build"}
shift || true
cmake_args=("$@")
((${#cmake_args[@]})) || cmake_args=(-DCMAKE_BUILD_TYPE=Release)
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j"$jobs"

# GTK, GLib and fontconfig keep caches for the life of the process; only our own leaks count.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export NO_AT_BRIDGE=1 GTK_A11Y=none

status=0
echo "== headless tests ($build_dir)"
ctest --test-dir "$build_dir" -LE gui -j"$jobs" --output-on-failure || status=1
echo "== window tests under Xvfb ($build_dir)"
xvfb-run -a -s "-screen 0 1600x1200x24" \
  ctest --test-dir "$build_dir" -L gui --output-on-failure || status=1
exit $status
