#!/usr/bin/env bash
# Sets everything up and runs the whole test suite headless; exits non-zero on any failure.
# The Russian build runs the tests of the interface (label "interface") as well.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh" --with-russian
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu --disable-dev-shm-usage"
export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$root/build"
ctest --output-on-failure --timeout 600 -j 2
ctest --test-dir "$root/build-ru" --output-on-failure --timeout 600 -L interface
