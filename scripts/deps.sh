#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
# dpkg-dev and file build the Debian package (CPack's dependency list); lintian,
# appstream and desktop-file-utils check it and the desktop files.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-webengine-dev libxcb1-dev
  googletest libgtest-dev
  clang-14 libclang-rt-14-dev
  fonts-liberation
  xvfb xauth x11-utils imagemagick
  # The installer starts map packages, 32-bit Windows programs, through Wine; its 64-bit part
  # runs the test package where the kernel cannot run 32-bit programs. NSIS builds the package.
  wine wine32:i386 wine64 nsis
  dpkg-dev file lintian appstream desktop-file-utils
  # The locale sources: a test compiles a Turkish locale, whose case rules differ.
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
