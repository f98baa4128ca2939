#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Quantora Lab with
# the given options (see ./run.sh --help). Without a display it renders the
# window to quantora.png instead.
set -euo pipefail
QUANTORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$QUANTORA_ROOT/scripts_common.sh"

quantora_install_missing
quantora_build "$QUANTORA_ROOT/build/release" Release -DQUANTORA_BUILD_TESTS=OFF -DQUANTORA_BUILD_BENCH=OFF
program="$QUANTORA_ROOT/build/release/app/quantora"

wants_window=yes
for arg in "$@"; do
  case "$arg" in --export-csv|--export-png|--help|-h) wants_window=no ;; esac
done
if [ "$wants_window" = yes ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): writing the window to $PWD/quantora.png instead."
  QT_QPA_PLATFORM=offscreen exec "$program" --export-png quantora.png "$@"
fi
exec "$program" "$@"
