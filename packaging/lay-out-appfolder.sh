#!/bin/sh
# Lays out a user's AppFolder from an installation, or brings it up to date with a newer one.
# Usage: lay-out-appfolder PROGRAM DATA APPFOLDER
#   PROGRAM    the installed executable
#   DATA       the installed data: the six data folders, guide/ and LICENSE
#   APPFOLDER  the user's folder: the executable, its data folders, the guide
# What belongs to the program is replaced: the executable, the guide, the license and the pictures
# of the decks it ships. Of everything else only what is missing is copied: the user's readings,
# spreads, description sets, titles, settings and own decks are never overwritten.
set -eu
program="$1"; data="$2"; app="$3"

mkdir -p "$app"
for folder in spreads descriptions database cards titles xfiles; do
  mkdir -p "$app/$folder"
  [ -d "$data/$folder" ] || continue
  (cd "$data/$folder" && find . -type f ! -name .gitkeep) | while IFS= read -r file; do
    [ -e "$app/$folder/$file" ] && continue
    mkdir -p "$(dirname "$app/$folder/$file")"
    cp -p "$data/$folder/$file" "$app/$folder/$file"
  done
done

# The shipped decks: their pictures are the program's. A deck the user imported under the same
# name (it carries a deck-info.txt of its own) is the user's and stays as it is.
for deck in "$data"/cards/*/; do
  [ -d "$deck" ] || continue
  name="$(basename "$deck")"
  if [ -f "$app/cards/$name/deck-info.txt" ] && ! cmp -s "$deck/deck-info.txt" "$app/cards/$name/deck-info.txt"; then
    continue
  fi
  cp -R -f "$deck." "$app/cards/$name/"
done

# The guide and the license, replaced whole.
if [ -d "$data/guide" ]; then
  rm -rf "$app/.guide.sibylon-tmp"
  cp -R "$data/guide" "$app/.guide.sibylon-tmp"
  rm -rf "$app/guide"
  mv "$app/.guide.sibylon-tmp" "$app/guide"
fi
[ -f "$data/LICENSE" ] && cp -f "$data/LICENSE" "$app/LICENSE"

# The executable last, by rename: a running instance keeps its own, a failed copy leaves the old.
cp -f "$program" "$app/.sibylon.sibylon-tmp"
chmod 755 "$app/.sibylon.sibylon-tmp"
mv -f "$app/.sibylon.sibylon-tmp" "$app/sibylon"
