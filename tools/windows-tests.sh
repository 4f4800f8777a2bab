#!/usr/bin/env bash
# Inside a Wine session: the in-process tests, then the end-to-end tests, for the
# 64-bit build and then, where this machine runs 32-bit programs, for the 32-bit
# one too (the journeys of the program itself; the release is tested once).
# Writes "suite<TAB>exit code" lines to ARTEFACTS/windows-results.tsv; a suite
# that cannot run here gets "skip: reason" instead of an exit code.
set -u
build=$1
artefacts=$2
build32="$(dirname "$build")/win32"
results="$artefacts/windows-results.tsv"
: > "$results"

# Web pages and mail links go to a recorder instead of a browser: each address
# it is given becomes a line of $TL_OPENED, where the tests look for it.
TL_OPENED="$(cd "$artefacts" && pwd)/opened.txt"
export TL_OPENED
recorder="$(dirname "$TL_OPENED")/open-recorder.sh"
# shellcheck disable=SC2016  # the $1 is the recorder's own argument, not ours
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$TL_OPENED" > "$recorder"
chmod +x "$recorder"
: > "$TL_OPENED"
for program in Browsers Mailers; do
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v "$program" /d "$recorder" /f > /dev/null 2>&1
done

# in_process NAME BUILD
in_process() {
  echo "-- in-process tests ($1)"
  wine "$2/win_tests.exe" --gtest_brief=1
  printf 'Windows in-process tests (%s)\t%s\n' "$1" $? >> "$results"
}

# end_to_end NAME BUILD ARTEFACTS PATTERN
end_to_end() {
  echo "-- end-to-end tests ($1)"
  TL_BUILD="$2" TL_ARTEFACTS="$3" python3 -m unittest discover -s tests/e2e -p "$4" -v
  printf 'end-to-end tests (%s)\t%s\n' "$1" $? >> "$results"
}

in_process win64 "$build"
end_to_end win64 "$build" "$artefacts" 'test_*.py'

# Some kernels are built without the 32-bit support that Wine needs (the session
# tells, TL_RUNS_32BIT); and where they have it, Wine's 32-bit half may still be
# missing. Wine even reports success for a program it could not start, so ask
# one for its output.
if [ "${TL_RUNS_32BIT:-1}" = 1 ] &&
   wine "$build32/tintlens-palette.exe" --help 2>&1 | grep -q 'usage: tintlens-palette'; then
  in_process win32 "$build32"
  # Every journey of the program itself; the release (test_release.py: both zips,
  # the installer with the 32-bit setup) is tested once, above.
  end_to_end win32 "$build32" "$artefacts/win32" 'test_[!r]*.py'
else
  reason='skip: this machine cannot run 32-bit Windows programs under Wine'
  # The release journey (in the win64 row) skips its installer steps too: the
  # setup is a 32-bit program.
  {
    printf 'Windows in-process tests (win32)\t%s\n' "$reason"
    printf 'end-to-end tests (win32)\t%s\n' "$reason"
    printf 'installer and uninstaller\t%s\n' "$reason"
  } >> "$results"
fi
