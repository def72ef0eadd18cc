#!/usr/bin/env bash
# Builds the reading-file fuzzer with clang and runs it for about a minute.
# Exits non-zero when the build fails or the fuzzer finds a crash, a leak or a
# sanitizer report (the finding is written to the build folder).
#   KELVARO_FUZZ_SECONDS   how long to run (default 60)
#   KELVARO_FUZZ_BUILD_DIR where to build (default build/fuzz in the repo)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${KELVARO_FUZZ_BUILD_DIR:-$root/build/fuzz}
seconds=${KELVARO_FUZZ_SECONDS:-60}

cmake -S "$here" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target reading_file_fuzzer

# New inputs go to the build folder's corpus; the seeds in fuzz/corpus stay as
# they are.
mkdir -p "$build/corpus" "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/reading_file_fuzzer" \
  -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$build/findings/" \
  "$build/corpus" "$here/corpus"
