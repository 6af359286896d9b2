#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# it headless; exits non-zero on any failure or sanitizer finding (docs/sanitizers.md).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSIBYLON_SANITIZE=ON \
      -DSIBYLON_BUILD_BENCH=OFF
cmake --build "$root/build-asan" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu --disable-dev-shm-usage"
export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$root/build-asan"
ctest --output-on-failure --timeout 600 -j 2
