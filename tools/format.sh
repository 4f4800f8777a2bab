#!/usr/bin/env bash
# Formats every C++ source of the programs, their tests and benchmarks in place,
# by the tree's .clang-format, so that nobody lays code out by hand or argues
# about it. With --check it changes nothing: it names each place that would
# change and fails if there is one (make check runs it so).
#   tools/format.sh [--check]
set -eu
cd "$(dirname "$0")/.." || exit
clang_format=${CLANG_FORMAT:-clang-format}

# The sources: the C++ of every product folder, the tests and the benchmarks;
# not the npm packages the cross-check installs, and nothing under build/.
sources() {
  find core files document platform ui sampling settings app res tests bench \
    -path tests/crosscheck/node_modules -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z
}

case ${1:-} in
  --check) sources | xargs -0 "$clang_format" --dry-run -Werror ;;
  '') sources | xargs -0 "$clang_format" -i ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
