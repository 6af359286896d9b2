#!/usr/bin/env bash
# The desktop installation from a clean HOME: install for the user, validate the menu entry and the
# metadata, start the program from the menu entry's Exec line on a desktop (window, icon, one
# instance), update over it, uninstall with and without --purge; then the same for an installation
# for every user, whose launcher lays out the user's own folder on the first start.
# Usage: InstallTest.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../desktop/Desktop.sh"
build="$1"
id="org.example.sibylon.Sibylon"
uninstall="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/uninstall.sh"
work="$(mktemp -d)"
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2> /dev/null || true
  StopDesktop
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what="$1"; shift; "$@" || fail "$what"; }

export HOME="$work/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME SIBYLON_INSTALL_MODE
StartDesktop "$work"

# The command of a menu entry: its Exec line without field codes, unquoted.
exec_of() {
  local line
  line="$(sed -n 's/^Exec=//p' "$1" | sed 's/ %[fFuUdDnNickvm]//g; s/%%/%/g')"
  eval "printf '%s\n' $line"
}

# Starts the menu entry's command, waits for the main window; checks its icon and the class the
# menu entry names. Leaves app_pid and main set.
start_from_menu() {
  local desktop="$1"
  "$(exec_of "$desktop")" > "$work/app.log" 2>&1 & app_pid=$!
  main="$(MainWindowId)" || { fail "no main window after starting from the menu entry"; return; }
  check "the window carries no icon" eval 'xprop -id "$main" _NET_WM_ICON | grep "Icon (48 x 48)" > /dev/null'
  local class
  class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
  check "the window's class is not $class" eval 'xprop -id "$main" WM_CLASS | grep -q "\"$class\""'
}

# A second start hands over to the running one and ends; one main window stays.
second_start_hands_over() {
  local desktop="$1" second
  "$(exec_of "$desktop")" > /dev/null 2>&1 & second=$!
  for _ in $(seq 100); do kill -0 "$second" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$second" 2> /dev/null; then
    fail "a second start did not end"; kill "$second"
  fi
  check "two main windows" [ "$(xdotool search --onlyvisible --name '^SIBYLON$' | wc -l)" -le 2 ]
}

close_program() {
  wmctrl -c SIBYLON
  for _ in $(seq 100); do kill -0 "$app_pid" 2> /dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2> /dev/null; then fail "the program did not end when closed"; kill "$app_pid"; fi
  wait "$app_pid" 2> /dev/null || true
  app_pid=""
}

# Checksums of the user's files in an AppFolder: all but what belongs to the program.
user_files() {
  (cd "$1" && find . -type f ! -path ./sibylon ! -path './guide/*' ! -path ./LICENSE \
     ! -path './cards/Celestine/*' ! -path './cards/preview.srml' ! -path './xfiles/*.html' \
     ! -path './xfiles/tmp0.srml' -print0 | sort -z | xargs -0 sha256sum)
}

make_user_files() {
  local app="$1"
  printf 'a reading of my own\r\n' > "$app/database/Mine.srml"
  printf '\r\n' >> "$app/spreads/Horseshoe.srml"
  mkdir -p "$app/cards/My Deck/normal"
  printf 'not a picture' > "$app/cards/My Deck/normal/1.jpg"
}

# --- For the current user ---------------------------------------------------------------------
local_prefix="$HOME/.local"
app="$local_prefix/share/sibylon"
desktop="$local_prefix/share/applications/$id.desktop"
cmake --install "$build" --prefix "$local_prefix" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install for the user failed"; exit 1; }
for file in "$desktop" "$local_prefix/share/metainfo/$id.metainfo.xml" \
            "$local_prefix/share/icons/hicolor/scalable/apps/$id.svg" \
            "$local_prefix/share/icons/hicolor/16x16/apps/$id.png" \
            "$local_prefix/share/icons/hicolor/256x256/apps/$id.png" \
            "$app/sibylon" "$app/LICENSE" "$app/guide/user-guide.html" \
            "$app/spreads/Celtic Cross.srml" "$app/xfiles/sibylon.dll" \
            "$app/cards/Celestine/normal/1.jpg"; do
  check "not installed: ${file#"$HOME"/}" [ -f "$file" ]
done
check "$app/database is missing" [ -d "$app/database" ]
check "the menu entry does not validate" desktop-file-validate "$desktop"
check "the metadata do not validate" appstreamcli validate --no-net \
  "$local_prefix/share/metainfo/$id.metainfo.xml"

start_from_menu "$desktop"
second_start_hands_over "$desktop"
close_program

# A deck the user imported under the name of the shipped one is the user's.
cp -a "$app/cards/Celestine" "$work/Celestine"
mkdir -p "$app/cards/Mine/normal" && printf 'name=Mine\r\n' > "$app/cards/Mine/deck-info.txt"
printf 'my own card' > "$app/cards/Mine/normal/1.jpg"
mv "$app/cards/Celestine" "$app/cards/.Celestine.old" && mv "$app/cards/Mine" "$app/cards/Celestine"
cmake --install "$build" --prefix "$local_prefix" > "$work/install.log" 2>&1 || fail "the update failed"
check "the update overwrote an imported deck of the shipped deck's name" \
  [ "$(cat "$app/cards/Celestine/normal/1.jpg")" = "my own card" ]
rm -rf "$app/cards/Celestine" "$app/cards/.Celestine.old" && mv "$work/Celestine" "$app/cards/Celestine"

# An update: the program, its guide and its deck's pictures are replaced; the user's files stay.
make_user_files "$app"
printf 'changed' > "$app/cards/Celestine/normal/1.jpg"
rm "$app/guide/user-guide.html"
printf 'an older program' > "$app/sibylon"
user_files "$app" > "$work/before"
cmake --install "$build" --prefix "$local_prefix" > "$work/install.log" 2>&1 || fail "the update failed"
user_files "$app" > "$work/after"
check "the update changed the user's files" cmp -s "$work/before" "$work/after"
check "the update did not replace the program" cmp -s "$app/sibylon" "$local_prefix/lib/sibylon/sibylon"
check "the update did not bring back the guide" [ -f "$app/guide/user-guide.html" ]
check "the update did not replace a shipped picture" \
  cmp -s "$app/cards/Celestine/normal/1.jpg" "$local_prefix/lib/sibylon/data/cards/Celestine/normal/1.jpg"
start_from_menu "$desktop"
close_program

bash "$uninstall" > /dev/null
for file in "$desktop" "$local_prefix/share/metainfo/$id.metainfo.xml" \
            "$local_prefix/share/icons/hicolor/48x48/apps/$id.png" "$local_prefix/bin/sibylon" \
            "$local_prefix/lib/sibylon" "$app/sibylon"; do
  check "left after uninstalling: ${file#"$HOME"/}" [ ! -e "$file" ]
done
user_files "$app" > "$work/after"
check "uninstalling changed the user's files" cmp -s "$work/before" "$work/after"
cmake --install "$build" --prefix "$local_prefix" > "$work/install.log" 2>&1 || fail "installing again failed"
bash "$uninstall" --purge > /dev/null
check "the data are left after --purge" [ ! -e "$app" ]

# --- For every user -----------------------------------------------------------------------------
system_prefix="$work/usr"
desktop="$system_prefix/share/applications/$id.desktop"
cmake --install "$build" --prefix "$system_prefix" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install for every user failed"; exit 1; }
check "no pristine copy in share/sibylon" [ -f "$system_prefix/share/sibylon/spreads/Celtic Cross.srml" ]
check "the installation laid out a user's folder" [ ! -e "$HOME/.local/share/sibylon" ]
check "the menu entry does not validate" desktop-file-validate "$desktop"
touch "$work/installed"
app="$HOME/.local/share/sibylon"
start_from_menu "$desktop"
close_program
check "the first start did not lay out $app" [ -f "$app/spreads/Celtic Cross.srml" ]
check "the user's program is not the installed one" cmp -s "$app/sibylon" "$system_prefix/lib/sibylon/sibylon"
check "the program wrote below the prefix" [ -z "$(find "$system_prefix" -newer "$work/installed")" ]
make_user_files "$app"
printf 'an older program' > "$app/sibylon"
user_files "$app" > "$work/before"
start_from_menu "$desktop"
close_program
user_files "$app" > "$work/after"
check "the launcher changed the user's files" cmp -s "$work/before" "$work/after"
check "the launcher did not update the program" cmp -s "$app/sibylon" "$system_prefix/lib/sibylon/sibylon"
bash "$uninstall" --prefix "$system_prefix" > /dev/null
check "the pristine copy is left after uninstalling" [ ! -e "$system_prefix/share/sibylon" ]
check "uninstalling for every user removed a user's data" [ -f "$app/database/Mine.srml" ]

if [ "$failures" -gt 0 ]; then echo "$failures failed"; exit 1; fi
echo "passed"
