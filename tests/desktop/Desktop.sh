# A desktop of its own for a test: a virtual X display with a window manager, so that frames,
# focus, stacking and full screen behave as on a user's desktop. Sourced by the desktop tests.
#   StartDesktop WORK   starts both (WORK: a folder of the test's own) and exports what a Qt
#                       program needs to run on them
#   StopDesktop         ends both

StartDesktop() {
  local work="$1"
  exec 3<> "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 & desktop_x_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$work/display")"
  openbox > /dev/null 2>&1 & desktop_wm_pid=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q window && break
    sleep 0.1
  done
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
  export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu --disable-dev-shm-usage"
}

StopDesktop() {
  [ -n "${desktop_wm_pid:-}" ] && kill "$desktop_wm_pid" 2> /dev/null || true
  [ -n "${desktop_x_pid:-}" ] && kill "$desktop_x_pid" 2> /dev/null || true
  desktop_wm_pid=""; desktop_x_pid=""
}

# The width x height of window ID; nothing when it is gone.
WindowSize() {
  { xwininfo -id "$1" 2> /dev/null || true; } | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {if (w) print w "x" h}'
}

# The program's main window (caption SIBYLON, 789 x 558), once it is shown; waits up to 20 s.
MainWindowId() {
  local id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name '^SIBYLON$' 2> /dev/null || true); do
      [ "$(WindowSize "$id")" = "789x558" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
