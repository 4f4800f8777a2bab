#!/usr/bin/env bash
# Runs every test suite against the builds in BUILD (default build/) and ends with
# one summary line: the folder rules, native unit tests (the fuzz seeds among them), the palette
# cross-check, then, in one Wine session on a private X display, the Windows
# in-process tests and the end-to-end tests.
set -u
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit
artefacts="$build/test-artefacts"
rm -rf "$artefacts"; mkdir -p "$artefacts"

names=(); results=()
record() { names+=("$1"); results+=("$2"); }

echo "== folder rules"
tools/check-layout.sh
record "folder rules" $?

echo "== native unit tests"
"$build/native/unit_tests" --gtest_brief=1
record "native unit tests" $?

echo "== palette files cross-checked with npm's ase-utils and adobe-aco"
node --import "$root/tests/crosscheck/extensionless.mjs" tests/crosscheck/crosscheck.mjs \
  "$build/native/tintlens-palette"
record "palette cross-check" $?

echo "== Windows tests under Wine"
TL_BUILD="$build/win64" TL_ARTEFACTS="$artefacts" \
  tools/wine-session.sh -- tools/windows-tests.sh "$build/win64" "$artefacts"
windows=$?
# windows-tests.sh leaves one line per suite: "name<TAB>exit code".
if [ -f "$artefacts/windows-results.tsv" ]; then
  while IFS=$'\t' read -r name rc; do record "$name" "$rc"; done < "$artefacts/windows-results.tsv"
else
  record "Windows session" "$windows"
fi

passed=0; failed=0; skipped=0
echo
echo "== summary"
for i in "${!names[@]}"; do
  case "${results[$i]}" in
    0) passed=$((passed + 1)); state=PASS ;;
    skip:*) skipped=$((skipped + 1)); state="SKIPPED (${results[$i]#skip: })" ;;
    *) failed=$((failed + 1)); state="FAIL (${results[$i]})" ;;
  esac
  printf '  %-36s %s\n' "${names[$i]}" "$state"
done
[ "$failed" -gt 0 ] && echo "  artefacts (screenshots): $artefacts"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
