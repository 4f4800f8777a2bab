#!/usr/bin/env bash
# Installs what building and testing Tintlens needs, through apt-get (as root, or
# with sudo). Does nothing, in well under a second, when everything is there.
set -eu

packages=(
  cmake ninja-build make g++ python3
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest libgtest-dev libbenchmark-dev
  wine wine64 wine32:i386 xvfb xdotool xclip x11-utils imagemagick
  fonts-wine fonts-liberation
  nsis zip unzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
# The installer is a 32-bit program (it has to run on 32-bit Windows too), and
# Wine runs 32-bit programs only with its i386 half.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "bootstrap: done"
