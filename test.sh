#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; installs the build into
# a temporary folder and checks the installed program and its desktop files; then
# builds and runs the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails if any of them fails.
set -euo pipefail
QUANTORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$QUANTORA_ROOT/scripts_common.sh"
export QT_QPA_PLATFORM=offscreen

quantora_install_missing
quantora_ensure_test_locale

echo "== Release build and tests"
quantora_build "$QUANTORA_ROOT/build/test" Release
(cd "$QUANTORA_ROOT/build/test" && ctest --output-on-failure -j "$(nproc)")

echo "== Installation into a temporary folder (DESTDIR) and the installed program"
"$QUANTORA_ROOT/tests/install/install_test.sh" "$QUANTORA_ROOT/build/test"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
quantora_build "$QUANTORA_ROOT/build/asan" Debug -DQUANTORA_SANITIZE=ON -DQUANTORA_BUILD_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
# use_tls=0: the leak checker of Debian 12's GCC crashes ("Tracer caught signal
# 11") reading glibc's dynamic TLS of the plugins Qt loads; without TLS as roots
# it reports more, never less.
export LSAN_OPTIONS="suppressions=$QUANTORA_ROOT/tests/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$QUANTORA_ROOT/build/asan" && ctest --output-on-failure -j "$(nproc)")
