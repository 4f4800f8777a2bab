#!/usr/bin/env bash
# Packs the Windows builds in BUILD (default build/) for release, into dist/:
#   Tintlens-VERSION-win32.zip, Tintlens-VERSION-win64.zip  the two programs and
#                                                          README.txt, flat
#   Tintlens-VERSION-setup.exe                             the per-user installer
# Run it through `make dist`, which builds win64 and win32 first.
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(cd "$build" && pwd)
dist="$root/dist"

for arch in win32 win64; do
  for file in tintlens.exe tintlens-palette.exe generated/res/version.h; do
    [ -f "$build/$arch/$file" ] || { echo "make-dist: $build/$arch/$file is missing" >&2; exit 1; }
  done
done

# The version is the one the builds carry (CMake makes their header from
# project(VERSION)); two builds of different versions make no release.
header="$build/win64/generated/res/version.h"
if ! cmp -s "$header" "$build/win32/generated/res/version.h"; then
  echo "make-dist: the win32 and win64 builds are of different versions" >&2
  exit 1
fi
version_define() {  # version_define NAME: the quoted text NAME is defined as
  sed -n "s/^#define $1 \"\(.*\)\"\$/\1/p" "$header"
}
version=$(version_define TL_VERSION)
version_four=$(version_define TL_VERSION_FOUR)
if [ -z "$version" ] || [ -z "$version_four" ]; then
  echo "make-dist: no version in $header" >&2
  exit 1
fi

stage=$(mktemp -d "${TMPDIR:-/tmp}/tintlens-dist.XXXXXX")
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"
rm -f "$dist/Tintlens-$version-win32.zip" "$dist/Tintlens-$version-win64.zip" \
      "$dist/Tintlens-$version-setup.exe"

# Windows readers expect CRLF, whatever the checkout has; the version is filled
# in, and the settings from README.md's table, so that the two never differ.
python3 tools/readme_settings.py README.md < installer/README.txt > "$stage/README.in"
sed -e 's/\r*$/\r/' -e "s/@TL_VERSION@/$version/g" "$stage/README.in" > "$stage/README.txt"

# Entries carry the time of the last commit rather than of the build, so the
# same sources and binaries give the same archive.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
for arch in win32 win64; do
  mkdir "$stage/$arch"
  cp "$build/$arch/tintlens.exe" "$build/$arch/tintlens-palette.exe" "$stage/$arch/"
  cp "$stage/README.txt" "$stage/$arch/"
  touch -d "@$stamp" "$stage/$arch"/*
  (cd "$stage/$arch" && TZ=UTC zip -X -j -q "$dist/Tintlens-$version-$arch.zip" \
      tintlens.exe tintlens-palette.exe README.txt)
done

makensis -V2 -WX -DVERSION="$version" -DVERSION_FOUR="$version_four" -DWIN32_DIR="$build/win32" -DWIN64_DIR="$build/win64" \
  -DOUTFILE="$dist/Tintlens-$version-setup.exe" installer/tintlens.nsi

ls -l "$dist"/Tintlens-"$version"-*
