#!/usr/bin/env bash
# Set-up, sanitizer build and the whole test suite, headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" test
cd "$here/build/test"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure -j"$(nproc)" --timeout 300
