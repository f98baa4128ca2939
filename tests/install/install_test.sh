#!/usr/bin/env bash
# Installs a build into a temporary folder with DESTDIR, as a package would, and
# checks what a user gets: the installed program runs from any folder and finds
# its tables and icon (also after the whole tree is moved elsewhere), the desktop
# entry and the metainfo validate without a remark, the icon theme has every
# size, the manual page lists every option that --help lists, the licence and
# the change log are there, and the program carries Debian's hardening.
#   tests/install/install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }
mkdir -m 700 "$stage/run"  # a runtime folder of its own: no running window is met
export XDG_RUNTIME_DIR="$stage/run" QUANTORA_RUNTIME_DIR="$stage/run/quantora"

DESTDIR="$stage" cmake --install "$build" --prefix /opt/quantora >/dev/null
root="$stage/opt/quantora"
share="$root/share"
id=org.quantora.Lab

mkdir "$stage/elsewhere"
cd "$stage/elsewhere"  # not the program's folder
check_program() {
  local program="$1/bin/quantora"
  [ -x "$program" ] || fail "no program at $program"
  "$program" --export-csv - > series.csv || fail "--export-csv - failed"
  [ "$(head -1 series.csv)" = "i,t_ns,analog_V,sampled_V,error_V" ] || fail "CSV header: $(head -1 series.csv)"
  [ "$(wc -l < series.csv)" -eq 2049 ] || fail "CSV has $(wc -l < series.csv) lines"
  for language in en de; do
    "$program" --language "$language" --export-png "$language.png" 2> "$language.err" ||
      fail "--language $language --export-png failed: $(cat "$language.err")"
    ! grep -q "translation table" "$language.err" || fail "--language $language: $(cat "$language.err")"
    [ "$(head -c 4 "$language.png" | tail -c 3)" = "PNG" ] || fail "$language.png is no PNG"
  done
  ! cmp -s en.png de.png || fail "the German window looks like the English one"
}
check_program "$root"

remarks="$(desktop-file-validate "$share/applications/$id.desktop" 2>&1)" || fail "desktop file: $remarks"
[ -z "$remarks" ] || fail "desktop file: $remarks"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo file"
for size in 16 22 24 32 48 64; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no icon $icon"
done

manual="$share/man/man1/quantora.1.gz"
[ -f "$manual" ] || fail "no manual page"
page="$(gzip -dc "$manual")"
for option in $("$root/bin/quantora" --help | grep -oE '^  --[a-z-]+'); do
  grep -qF -- ".B ${option//-/\\-}" <<< "$page" || fail "the manual page lacks $option"
done

grep -qx "License: GPL-3.0-or-later" "$share/doc/quantora/copyright" || fail "no GPL-3.0-or-later copyright file"
gzip -dc "$share/doc/quantora/changelog.gz" | grep -q "^quantora (" || fail "no change log"
program="$root/bin/quantora"
grep -q "BIND_NOW" <<< "$(readelf -d "$program")" || fail "the program is not linked with -z now"
grep -q "__[a-z]*_chk@" <<< "$(readelf -W --dyn-syms "$program")" || fail "the program calls no fortified function"
! grep -q " \.comment " <<< "$(readelf -S "$program")" || fail "the program keeps its .comment section"

# A relocated installation still finds its data beside itself.
mv "$root" "$stage/moved"
check_program "$stage/moved"
echo "install test: passed"
