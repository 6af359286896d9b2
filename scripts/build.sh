#!/usr/bin/env bash
# Installs what is needed, builds everything and lays out the runnable AppFolder in build/AppFolder.
# With --with-russian also the Russian interface in build-ru: the program and the interface tests.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$root/build" -j "$(nproc)"
if [ "${1:-}" = "--with-russian" ]; then
  cmake -S "$root" -B "$root/build-ru" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSIBYLON_INTERFACE_LANGUAGE=RU -DSIBYLON_BUILD_BENCH=OFF \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
  cmake --build "$root/build-ru" -j "$(nproc)" \
        --target sibylon appfolder accessible_names_test captions_test
fi
