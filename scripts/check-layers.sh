#!/usr/bin/env bash
# Fails on an include that goes against the layers (docs/architecture.md): a file may include its
# own folder and the folders below it in this order, nothing above.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
layers=(base deck srml reading database settings editors deckimport
        ui/widgets ui/htmlview ui/deck ui/reading ui/database ui/settings ui/editors ui/about app)

rank_of() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

failures=0
cd "$root/src"
while IFS= read -r file; do
  folder="$(dirname "$file")"; folder="${folder#./}"
  own="$(rank_of "$folder")"
  if [ "$own" -lt 0 ]; then
    echo "$file: the folder $folder is no layer"; failures=$((failures + 1)); continue
  fi
  while IFS= read -r included; do
    target="$(dirname "$included")"
    [ "$target" = "." ] && continue
    rank="$(rank_of "$target")"
    if [ "$rank" -lt 0 ] || [ "$rank" -gt "$own" ]; then
      echo "$file includes $included: $target is not below $folder"; failures=$((failures + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sort)

if [ "$failures" -gt 0 ]; then echo "$failures includes against the layers"; exit 1; fi
echo "layers: every include goes downwards"
