#!/usr/bin/env bash
# Installs what building and testing Tintlens needs, through apt-get (as root, or
# with sudo). Does nothing, in well under a second, when everything is there.
set -eu

packages=(
  cmake ninja-build make g++ python3
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  wine wine64 xvfb xdotool xclip x11-utils imagemagick
  fonts-wine fonts-liberation
  nsis zip unzip
  clang-format shellcheck
)

# Node and npm run the palette cross-check against npm's swatch libraries; any
# Node of 18.19 or later will do, Debian's or another.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)
# Wine's 32-bit half runs the installer and the 32-bit build's tests, but only
# where the kernel runs 32-bit programs; elsewhere it would break every session.
here="$(cd "$(dirname "$0")" && pwd)"
runs32=0
"$here/runs-32bit.sh" && { runs32=1; packages+=(wine32:i386); }
crosscheck="$(cd "$(dirname "$0")/.." && pwd)/tests/crosscheck"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
install_crosscheck() {
  [ -d "$crosscheck/node_modules" ] && return
  echo "bootstrap: installing the cross-check's npm packages"
  npm ci --prefix "$crosscheck" --no-audit --no-fund --loglevel=error >/dev/null
}
if [ ${#missing[@]} -eq 0 ]; then install_crosscheck; exit 0; fi

echo "bootstrap: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
# The installer is a 32-bit program (it has to run on 32-bit Windows too), and
# Wine runs 32-bit programs only with its i386 half.
if [ "$runs32" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
install_crosscheck
echo "bootstrap: done"
