#!/usr/bin/env bash
# Set-up, sanitizer build and the whole test suite, headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" test
cd "$here/build/test"
export QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$here/scripts/lsan.supp
ctest --output-on-failure -j"$(nproc)" --timeout 300
