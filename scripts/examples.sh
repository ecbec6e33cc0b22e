#!/usr/bin/env bash
# Installs the library from a build into a staging folder and builds the examples against it as
# another project would (find_package, and once more through pkg-config), then runs the examples
# (the window one under Xvfb) and checks what they wrote. With PICTURES_DIR set, the pictures the
# user guide shows are copied there.
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

# The window example under a private X server: it presses its own button and saves the chart.
NO_AT_BRIDGE=1 GTK_A11Y=none xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$stage/build/chart_window" --check "$out/window_chart.png"
check "$out/window_chart.png" PNG
if "$stage/build/chart_from_file" "$out/missing.form" "$out/x.png" 2>/dev/null; then
  echo "FAIL chart_from_file accepted a missing file"; status=1
fi
# Every code block of the user guide must still be in an example, word for word.
python3 - "$root/docs/guide.md" "$root"/examples/* <<'PY' || status=1
import re, sys
guide = open(sys.argv[1]).read()
sources = [open(path).read() for path in sys.argv[2:]]
stale = [b for b in re.findall(r"```(?:cpp|cmake)\n(.*?)```", guide, re.S) if not any(b in s for s in sources)]
for block in stale:
    print("FAIL docs/guide.md: a code block is no longer in examples/:\n" + block)
sys.exit(1 if stale else 0)
PY

if [[ -n "${PICTURES_DIR:-}" ]]; then
  mkdir -p "$PICTURES_DIR"
  cp "$out/surface.png" "$PICTURES_DIR/"
  cp "$out/main.png" "$PICTURES_DIR/chart_from_file.png"
  # The window example as the user sees it.
  QUIL_WINDOW_APP="$stage/build/chart_window" QUIL_SHOT="$PICTURES_DIR/chart_window.png" \
    NO_AT_BRIDGE=1 GTK_A11Y=none xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$QUIL_WINDOW_APP" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq 100); do
      wid=$(xdotool search --name "^Chart in a window\$" 2>/dev/null | head -1 || true)
      [[ -n "$wid" ]] && break
      sleep 0.1
    done
    [[ -n "${wid:-}" ]] || { echo "examples: no window" >&2; exit 1; }
    sleep 1
    import-im6.q16 -window "$wid" "$QUIL_SHOT.tmp.png"
    convert-im6.q16 "$QUIL_SHOT.tmp.png" -strip -define png:compression-level=9 "$QUIL_SHOT"
    rm -f "$QUIL_SHOT.tmp.png"'
fi
exit $status
