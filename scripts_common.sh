# Shared by run.sh and test.sh: installs what the project needs on Debian.
# Sourced, not run.

QUANTORA_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev fonts-liberation fontconfig locales
  libfftw3-dev  # the spectrum window's transforms
  qt6-multimedia-dev  # the charts' Listen plays the sound through Qt Multimedia
  qt6-translations-l10n  # Qt's own dialogs and menus in the language of the texts
  poppler-utils  # the PDF export test reads the file back (pdftotext, pdftocairo, pdfimages)
  desktop-file-utils appstream  # the installation test validates the desktop and metainfo files
  xvfb dbus-daemon dbus-bin at-spi2-core python3-pyatspi)  # the screen-reader walk: X, a private AT-SPI bus
# Only for ./package.sh: CPack's Debian generator finds the shared-library
# dependencies with dpkg-shlibdeps (dpkg-dev) and file.
QUANTORA_PACKAGING_PACKAGES=(dpkg-dev file)

quantora_install_missing() {
  local missing=()
  for p in "${QUANTORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local install="apt-get install -y --no-install-recommends ${missing[*]}"
  quantora_can_be_root ||
    quantora_stop "packages are missing and there is no sudo; as root, run: apt-get update && $install"
  echo "Installing: ${missing[*]}" >&2
  $(quantora_sudo) apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $(quantora_sudo) apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Root's commands run directly as root, else through sudo. A Debian installed
# with a root password has no sudo: then the scripts say what to run as root.
quantora_can_be_root() { [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null 2>&1; }
quantora_sudo() { [ "$(id -u)" -eq 0 ] || echo sudo; }
quantora_stop() {
  echo "${0##*/}: $1" >&2
  exit 1
}

# quantora_build DIR BUILD_TYPE [extra cmake args...]
# Configures only a new build folder or one configured with other arguments
# (ninja runs CMake again by itself when a CMakeLists.txt changes), its output
# in DIR/configure.log, shown only when it fails: a start stays quiet.
quantora_build() {
  local dir="$1" type="$2"
  shift 2
  local configure=(cmake -S "$QUANTORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@")
  local stamp="$dir/quantora-configured-with"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${configure[*]}" ]; then
    mkdir -p "$dir"
    echo "Configuring $dir (CMake's output: $dir/configure.log)" >&2
    "${configure[@]}" > "$dir/configure.log" 2>&1 || {
      cat "$dir/configure.log" >&2
      quantora_stop "configuring $dir failed"
    }
    printf '%s' "${configure[*]}" > "$stamp"
  fi
  # Progress goes to standard error, so that the program's own output (a CSV on
  # standard output, say) stays clean.
  cmake --build "$dir" -j "$(nproc)" >&2
}

# The decimal-comma tests need a German locale; Debian's locales package has its
# source but generates none by itself.
quantora_ensure_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local generate=(localedef -i de_DE -c -f UTF-8 de_DE.UTF-8)
  if ! quantora_can_be_root; then
    echo "No de_DE.UTF-8 locale and no sudo (as root, run: ${generate[*]}): those tests will skip" >&2
    return 0
  fi
  echo "Generating the de_DE.UTF-8 locale for the tests" >&2
  $(quantora_sudo) "${generate[@]}" >&2 || echo "(could not generate it; those tests will skip)" >&2
}

# quantora_start PROGRAM [options...]: the program decides what needs a
# display. A window start without one ends at once with status 3, and then the
# window goes to quantora.png instead.
quantora_start() {
  local program="$1" status=0
  shift
  "$program" "$@" || status=$?
  [ "$status" -eq 3 ] || return "$status"
  echo "${0##*/}: writing the window to $PWD/quantora.png instead" >&2
  "$program" --export-png quantora.png "$@"
}
