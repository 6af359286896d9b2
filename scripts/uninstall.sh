#!/usr/bin/env bash
# Removes an installation of Sibylon: the program, its launcher, the menu entry, the icon and the
# metadata. The user's readings, spreads, description sets, titles, decks and settings stay in
# their AppFolder unless --purge is given (docs/installing.md).
# Usage: uninstall.sh [--prefix PREFIX] [--purge]
set -euo pipefail
prefix="$HOME/.local"
purge=""
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --prefix=*) prefix="${1#--prefix=}"; shift ;;
    --purge) purge=1; shift ;;
    *) echo "usage: uninstall.sh [--prefix PREFIX] [--purge]" >&2; exit 2 ;;
  esac
done
id="org.example.sibylon.Sibylon"
lib="$prefix/lib/sibylon"
if [ ! -f "$lib/installation" ]; then
  echo "No installation of Sibylon in $prefix" >&2
  exit 1
fi
mode="$(sed -n 's/^mode=//p' "$lib/installation")"
appfolder="$(sed -n 's/^appfolder=//p' "$lib/installation")"

rm -f "$prefix/share/applications/$id.desktop" "$prefix/share/metainfo/$id.metainfo.xml"
rm -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" "$prefix"/share/icons/hicolor/*/apps/"$id.png"
# The launcher, when it is this installation's.
grep -qF "$lib/lay-out-appfolder.sh" "$prefix/bin/sibylon" 2> /dev/null && rm -f "$prefix/bin/sibylon"
rm -rf "$lib"
if [ "$mode" = "system" ]; then
  # The pristine copy. Every user's own AppFolder stays theirs; --purge removes the current user's.
  rm -rf "$prefix/share/sibylon"
  data_home="${XDG_DATA_HOME:-}"
  case "$data_home" in /*) ;; *) data_home="$HOME/.local/share" ;; esac
  appfolder="$data_home/sibylon"
fi
if [ -n "$purge" ]; then
  rm -rf "$appfolder"
  echo "Removed Sibylon and the data in $appfolder"
elif [ "$mode" = "user" ]; then
  rm -rf "$appfolder/sibylon" "$appfolder/guide" "$appfolder/LICENSE"
  echo "Removed Sibylon; your data stay in $appfolder (uninstall.sh --purge removes them)"
else
  echo "Removed Sibylon; every user's data stay in ~/.local/share/sibylon"
fi
command -v update-desktop-database > /dev/null && update-desktop-database -q "$prefix/share/applications" 2>/dev/null || true
