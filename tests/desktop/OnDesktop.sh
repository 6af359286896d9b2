#!/usr/bin/env bash
# Runs a command on a desktop of its own (Desktop.sh).
# Usage: OnDesktop.sh COMMAND [ARGS...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/Desktop.sh"
work="$(mktemp -d)"
cleanup() { StopDesktop; rm -rf "$work"; }
trap cleanup EXIT
StartDesktop "$work"
"$@"
