#!/usr/bin/env bash
# Installs what is missing, builds a portable Release build of the program alone
# and makes the Debian package build/package/quantora_VERSION_ARCH.deb with CPack.
# Install it with: sudo apt install ./build/package/quantora_*.deb
set -euo pipefail
QUANTORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$QUANTORA_ROOT/scripts_common.sh"

quantora_install_missing "${QUANTORA_PACKAGING_PACKAGES[@]}"
dir="$QUANTORA_ROOT/build/package"
# Generic x86-64 code: the package runs on machines other than the one that built it.
quantora_build "$dir" Release -DQUANTORA_PORTABLE=ON -DQUANTORA_BUILD_TESTS=OFF -DQUANTORA_BUILD_BENCH=OFF \
  -DQUANTORA_BUILD_GALLERY=OFF -DCMAKE_INSTALL_PREFIX=/usr
(cd "$dir" && cpack -G DEB >&2)
ls "$dir"/quantora_*.deb
