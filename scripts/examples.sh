#!/usr/bin/env bash
# Installs the library from a build into a staging folder and builds the examples against it as
# another project would (find_package, and once more through pkg-config), then runs the headless
# examples and checks what they wrote.
#   scripts/examples.sh [BUILD_DIR]          (default: build; it must be built already)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-"$root/build"}
jobs=$(nproc 2>/dev/null || echo 2)
stage=$(mktemp -d "${TMPDIR:-/tmp}/quilchart-stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT

cmake --install "$build_dir" --prefix "$stage/prefix" >/dev/null
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root/examples" -B "$stage/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$stage/prefix" \
  "${launcher[@]}" >/dev/null
cmake --build "$stage/build" -j"$jobs"

# The same program through the pkg-config file.
PKG_CONFIG_PATH="$stage/prefix/lib/pkgconfig" \
  c++ -O1 -o "$stage/surface_to_files_pc" "$root/examples/surface_to_files.cpp" \
  $(PKG_CONFIG_PATH="$stage/prefix/lib/pkgconfig" pkg-config --cflags --libs quilchart)

status=0
check() {  # FILE MAGIC: the file exists and starts as its format does
  if [[ -s "$1" ]] && head -c 16 "$1" | grep -aq "$2"; then echo "ok   $1"; else echo "FAIL $1"; status=1; fi
}

out="$stage/out"
mkdir -p "$out"
(cd "$out" && "$stage/build/surface_to_files" && "$stage/surface_to_files_pc" surface_pc)
check "$out/surface.png" PNG
check "$out/surface.svg" '<?xml'
check "$out/surface_pc.png" PNG

"$build_dir/src/snapshot/chart_snapshot" --save-form "$out/main.form" "$out/main.png"
"$stage/build/chart_from_file" "$out/main.form" "$out/main.pdf" 600 450
check "$out/main.pdf" '%PDF'
if "$stage/build/chart_from_file" "$out/missing.form" "$out/x.png" 2>/dev/null; then
  echo "FAIL chart_from_file accepted a missing file"; status=1
fi
exit $status
