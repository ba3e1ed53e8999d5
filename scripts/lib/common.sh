# Shared by scripts/run and scripts/test: installs what is missing and builds.
# shellcheck shell=bash

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Debian 12 packages the game needs to build and run: the compiler and build
# tools, Qt's widgets, its SVG module (the pictures with words are drawn in the
# player's language at run time), its translation tools and Qt's own
# translations (its file dialogs and message boxes in the player's language),
# the sound server's client library and a font.
game_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libpulse-dev
  fonts-dejavu-core
)

# Debian 12 packages the whole build needs besides: Qt's test and multimedia
# modules, the test and benchmark libraries, the package tools and validators of the packaging tests, and
# clang-format-14 for the layout check of the release step, which runs even
# in quick mode.
build_packages=(
  "${game_packages[@]}"
  qt6-multimedia-dev
  # The asset generator's face for the Chinese and Japanese characters the
  # DejaVu faces lack, when it draws the pictures in those languages.
  fonts-droid-fallback
  libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev desktop-file-utils appstream lintian man-db groff-base
  clang-format-14
)

# Debian 12 packages the tests that meet the real desktop need: an X display
# with a window manager and tools to read and drive its windows, a sound
# server with its recorder, and a session bus with the accessibility bus and
# its Python bindings to read the game as a screen reader does, Orca itself
# with speech-dispatcher (whose generic output module the Orca test speaks
# through), the C library's locale data for the tests in other languages,
# and a headless Wayland compositor with Qt's Wayland platform.
desktop_test_packages=(
  xvfb xauth openbox xdotool x11-utils
  pulseaudio pulseaudio-utils
  dbus at-spi2-core python3-pyatspi locales
  orca speech-dispatcher
  weston qt6-wayland
)

# Debian 12 packages the slower checks of scripts/test need besides those:
# clang with its sanitizer and libFuzzer runtimes, llvm-14 for the
# symbolizer that puts names and lines in their reports, and clang-tidy.
check_packages=(
  clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14
)

# Installs every package of "$@" that dpkg does not report as installed.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Configures (once) build/ with only the game, unless it is configured
# already, and builds the game and its sound module there.
build_game() {
  cd "$root_dir" || return 1
  if [ ! -f build/CMakeCache.txt ]; then
    cmake --preset release -DGLIMBLES_GAME_ONLY=ON >/dev/null || return 1
  fi
  cmake --build build --parallel "$(nproc)" --target glimbles glimbles-sound
}

# Configures build/ for everything (again, when it held only the game) and
# builds the whole Release tree there.
build_release() {
  cd "$root_dir" || return 1
  if [ ! -f build/CMakeCache.txt ] || grep -q '^GLIMBLES_GAME_ONLY:BOOL=ON$' build/CMakeCache.txt; then
    cmake --preset release -DGLIMBLES_GAME_ONLY=OFF >/dev/null || return 1
  fi
  cmake --build build --parallel "$(nproc)"
}
