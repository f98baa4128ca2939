#!/usr/bin/env bash
# The scripts' shared functions as a user meets them:
# - a user who is not root, on a Debian without sudo, with a package missing:
#   one line with the apt-get command to run as root, and status 1;
# - ./run.sh's start without a display: window-less options run as they are
#   (no picture appears); a window start renders the window to quantora.png.
#   tests/scripts/scripts_test.sh PROGRAM
set -euo pipefail
program="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "scripts test: $*" >&2; exit 1; }

# Stand-ins: id says user 1000, dpkg-query knows no package; no sudo on the PATH.
mkdir "$work/bin"
printf '#!/bin/sh\necho 1000\n' > "$work/bin/id"
printf '#!/bin/sh\nexit 1\n' > "$work/bin/dpkg-query"
chmod +x "$work/bin/id" "$work/bin/dpkg-query"
ln -s "$(command -v grep)" "$work/bin/grep"
status=0
said="$(PATH="$work/bin" "$BASH" -c 'source "$1/scripts_common.sh"; QUANTORA_PACKAGES=(cmake g++); quantora_install_missing' \
  run.sh "$root" 2>&1)" || status=$?
[ "$status" -eq 1 ] || fail "without sudo: status $status, said: $said"
[ "$said" = "run.sh: packages are missing and there is no sudo; as root, run: apt-get update && apt-get install -y --no-install-recommends cmake g++" ] ||
  fail "without sudo: $said"

cd "$work"
mkdir -m 700 link
start_headless() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM QUANTORA_RUNTIME_DIR="$work/link" XDG_RUNTIME_DIR="$work/link" \
    "$BASH" -c 'source "$1/scripts_common.sh"; shift; quantora_start "$@"' run.sh "$root" "$program" "$@"
}
start_headless --stats > out 2> err || fail "--stats without a display: $(cat err)"
grep -q '^sqnr_rule_dB ' out || fail "--stats printed: $(cat out)"
start_headless --export-pdf w.pdf 2> err || fail "--export-pdf without a display: $(cat err)"
[ -s w.pdf ] && [ ! -e quantora.png ] || fail "--export-pdf: no w.pdf, or a quantora.png"
start_headless --bits 3 --no-about > out 2> err || fail "a window start without a display: $(cat err)"
[ "$(head -c 4 quantora.png | tail -c 3)" = PNG ] || fail "no quantora.png"
grep -q "^run.sh: writing the window to $work/quantora.png instead$" err || fail "the notice: $(cat err)"
[ ! -s out ] || fail "standard output: $(cat out)"
echo "scripts test: passed"
