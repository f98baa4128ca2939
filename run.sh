#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Quantora Lab with
# the given options (see ./run.sh --help). Where the window has no display to
# open on it renders the window to quantora.png instead.
set -euo pipefail
QUANTORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$QUANTORA_ROOT/scripts_common.sh"

quantora_install_missing
quantora_build "$QUANTORA_ROOT/build/release" Release -DQUANTORA_BUILD_TESTS=OFF -DQUANTORA_BUILD_BENCH=OFF \
  -DQUANTORA_BUILD_GALLERY=OFF
program="$QUANTORA_ROOT/build/release/app/quantora"

quantora_start "$program" "$@"
