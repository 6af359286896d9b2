#!/usr/bin/env bash
# Sets everything up and starts the program from its AppFolder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
# The web engine refuses its sandbox when run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$root/build/AppFolder/sibylon"
