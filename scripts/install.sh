#!/usr/bin/env bash
# Installs Sibylon as a desktop application: sets up what building needs (Debian 12), builds the
# program and installs it, by default for the current user into ~/.local (docs/installing.md).
# Running it again updates the installation and keeps every file of the user's.
# Usage: install.sh [--prefix PREFIX]     e.g. --prefix /usr (as root) for every user
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="$HOME/.local"
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --prefix=*) prefix="${1#--prefix=}"; shift ;;
    *) echo "usage: install.sh [--prefix PREFIX]" >&2; exit 2 ;;
  esac
done
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)" --target sibylon
cmake --install "$root/build" --prefix "$prefix" --strip
echo "Sibylon is installed; it is in the desktop's menu, or run: $prefix/bin/sibylon"
