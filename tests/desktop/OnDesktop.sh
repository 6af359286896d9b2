#!/usr/bin/env bash
# Runs a command on a desktop of its own: a virtual X display with a window manager, so that frames,
# focus, stacking and full screen behave as on a user's desktop.
# Usage: OnDesktop.sh COMMAND [ARGS...]
set -euo pipefail
work="$(mktemp -d)"
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 & x_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
openbox > /dev/null 2>&1 & wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
export XDG_RUNTIME_DIR="$work/runtime"; mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu --disable-dev-shm-usage"
"$@"
