#!/usr/bin/env bash
# Packs the Windows builds in BUILD (default build/) for release, into dist/:
#   Tintlens-VERSION-win32.zip, Tintlens-VERSION-win64.zip  the two programs and
#                                                          README.txt, flat
#   Tintlens-VERSION-setup.exe                             the per-user installer
# Run it through `make dist`, which builds win64 and win32 first.
set -euo pipefail

build=${1:-build}
version=1.0
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(cd "$build" && pwd)
dist="$root/dist"

for arch in win32 win64; do
  for exe in tintlens.exe tintlens-palette.exe; do
    [ -f "$build/$arch/$exe" ] || { echo "make-dist: $build/$arch/$exe is missing" >&2; exit 1; }
  done
done

stage=$(mktemp -d "${TMPDIR:-/tmp}/tintlens-dist.XXXXXX")
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"
rm -f "$dist/Tintlens-$version-win32.zip" "$dist/Tintlens-$version-win64.zip" \
      "$dist/Tintlens-$version-setup.exe"

# Windows readers expect CRLF, whatever the checkout has.
sed 's/\r*$/\r/' installer/README.txt > "$stage/README.txt"

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

makensis -V2 -WX -DVERSION="$version" -DWIN32_DIR="$build/win32" -DWIN64_DIR="$build/win64" \
  -DOUTFILE="$dist/Tintlens-$version-setup.exe" installer/tintlens.nsi

ls -l "$dist"/Tintlens-"$version"-*
