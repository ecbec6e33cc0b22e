#!/usr/bin/env bash
# Fuzzes the form description reader with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer: builds the target with clang in build-fuzz/, writes the seed corpus
# (the main window's description and writer-made variants) and a dictionary of property paths,
# and runs for SECONDS.
#   scripts/fuzz.sh SECONDS [extra libFuzzer options...]
# The growing corpus is kept in build-fuzz/corpus; a crashing input is written to build-fuzz/
# and the script fails.
set -euo pipefail

seconds=${1:?usage: scripts/fuzz.sh SECONDS [libFuzzer options...]}
shift
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUIL_FUZZ=ON -DQUIL_SANITIZE=ON -DQUIL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target form_fuzzer form_fuzz_seeds

# Fontconfig and GLib keep caches for the life of the process; only our own leaks count.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

mkdir -p "$build/seeds" "$build/corpus"
"$build/fuzz/form_fuzz_seeds" "$build/seeds" "$build/form.dict"
cd "$build"
"$build/fuzz/form_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=20 \
  -max_len=8192 -dict="$build/form.dict" -print_final_stats=1 "$@" "$build/corpus" "$build/seeds"
