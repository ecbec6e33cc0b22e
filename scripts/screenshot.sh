#!/usr/bin/env bash
# Takes the README's picture of the main window: starts the built program on a private X
# server, waits for its window, and writes it at half size to docs/main-window.png, or to OUT
# with the program given ARGS (the data window: docs/data-window.png docs/data/ripple.txt).
#   scripts/screenshot.sh [BUILD_DIR [OUT ARGS...]]        (default: build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-"$root/build"}
out=${2:-"$root/docs/main-window.png"}
export QUIL_APP="$build_dir/src/app/quilchart" QUIL_OUT="$out" QUIL_ARGS="${*:3}"
[[ -x "$QUIL_APP" ]] || { echo "screenshot: build the program first ($QUIL_APP)" >&2; exit 1; }

NO_AT_BRIDGE=1 GTK_A11Y=none xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -euo pipefail
  # shellcheck disable=SC2086  # the arguments split at blanks, as given
  "$QUIL_APP" $QUIL_ARGS & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  for _ in $(seq 100); do
    wid=$(xdotool search --name "^Form1\$" 2>/dev/null | head -1 || true)
    [[ -n "$wid" ]] && break
    sleep 0.1
  done
  [[ -n "${wid:-}" ]] || { echo "screenshot: no window" >&2; exit 1; }
  sleep 1  # the first paint
  shot=$(mktemp --suffix=.png)
  import-im6.q16 -window "$wid" "$shot"
  convert-im6.q16 "$shot" -resize 50% -strip -define png:compression-level=9 "$QUIL_OUT"
  rm -f "$shot"
'
echo "wrote $QUIL_OUT"
