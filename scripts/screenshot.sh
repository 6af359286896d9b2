#!/usr/bin/env bash
# Starts the program under a virtual X display and saves a screenshot of the whole screen.
# Usage: scripts/screenshot.sh OUT.png [SECONDS] [XDOTOOL-KEYS...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"; wait="${2:-4}"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"
xvfb-run -a -s "-screen 0 1024x700x24" bash -c "
  '$root/build/AppFolder/sibylon' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid"
