# Shared by run.sh and test.sh: installs what the project needs on Debian.
# Sourced, not run.

QUANTORA_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev fonts-liberation fontconfig locales
  libfftw3-dev  # the spectrum window's transforms
  poppler-utils  # the PDF export test reads the file back (pdftotext, pdftocairo, pdfimages)
  desktop-file-utils appstream)  # the installation test validates the desktop and metainfo files
# Only for ./package.sh: CPack's Debian generator finds the shared-library
# dependencies with dpkg-shlibdeps (dpkg-dev) and file.
QUANTORA_PACKAGING_PACKAGES=(dpkg-dev file)

quantora_install_missing() {
  local missing=()
  for p in "${QUANTORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# quantora_build DIR BUILD_TYPE [extra cmake args...]
quantora_build() {
  local dir="$1" type="$2"
  shift 2
  # Progress goes to standard error, so that the program's own output (a CSV on
  # standard output, say) stays clean.
  cmake -S "$QUANTORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >&2
  cmake --build "$dir" -j "$(nproc)" >&2
}

# The decimal-comma tests need a German locale; Debian's locales package has its
# source but generates none by itself.
quantora_ensure_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Generating the de_DE.UTF-8 locale for the tests" >&2
  $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 >&2 || echo "(could not generate it; those tests will skip)" >&2
}
