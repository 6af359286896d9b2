#!/usr/bin/env bash
# The checks of the tree that need no build: formatting (.clang-format) and the layers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "format: every file matches .clang-format"
bash scripts/check-layers.sh
