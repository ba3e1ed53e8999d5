# Shared by scripts/run and scripts/test: installs what is missing and builds.
# shellcheck shell=bash

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Debian 12 packages needed to build, test and run the game; clang-format-14
# for the layout check of the release step, which runs even in quick mode.
build_packages=(
  cmake ninja-build g++ pkg-config clang-format-14
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev libpulse-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  dpkg-dev desktop-file-utils appstream
)

# Debian 12 packages the tests that meet the real desktop need: an X display
# with a window manager and tools to read and drive its windows, a sound
# server with its recorder, and a session bus with the accessibility bus and
# its Python bindings to read the game as a screen reader does.
desktop_test_packages=(
  xvfb xauth openbox xdotool x11-utils
  pulseaudio pulseaudio-utils
  dbus at-spi2-core python3-pyatspi
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

# Configures (once) and builds the Release tree in build/.
build_release() {
  cd "$root_dir" || return 1
  if [ ! -f build/CMakeCache.txt ]; then
    cmake --preset release >/dev/null || return 1
  fi
  cmake --build build --parallel "$(nproc)"
}
