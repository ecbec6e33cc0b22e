#!/usr/bin/env bash
# Builds the program and starts it. Where there is no display, run it under a private X server:
#   xvfb-run -a -s "-screen 0 1600x1200x24" scripts/run.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" -j"$jobs" --target quilchart

if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no display; start it as: xvfb-run -a -s \"-screen 0 1600x1200x24\" $0" >&2
  exit 1
fi
exec "$build_dir/src/app/quilchart"
