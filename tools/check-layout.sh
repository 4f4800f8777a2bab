#!/usr/bin/env bash
# The folder rules, checked: each folder names exactly the folders its files may
# include from. The product folders stand in one order, each on the ones before it
# (res, core, files, document, platform, then ui, sampling and settings side by
# side, then app), so an include down that order is allowed and one up it or
# sideways is not: no two folders can include each other, however far round.
# Tests and benchmarks may reach every folder; a folder not named here is an
# error until it is given its rule. Prints each include that breaks a rule.
set -u
cd "$(dirname "$0")/.." || exit 1
readonly below_platform="res core files document"
allowed() {  # allowed FOLDER: the folders its files may include from
  case $1 in
    res) echo "res" ;;
    core) echo "core res" ;;
    files) echo "files core res" ;;
    document) echo "document files core res" ;;
    platform) echo "platform $below_platform" ;;
    ui) echo "ui platform $below_platform" ;;
    sampling) echo "sampling platform $below_platform" ;;
    settings) echo "settings platform $below_platform" ;;
    app) echo "app ui sampling settings platform $below_platform" ;;
    tests|bench) echo "tests app ui sampling settings platform $below_platform" ;;
    *) return 1 ;;
  esac
}
broken=0
last=""
# In the shell itself, with no process per include: make check runs this often.
while IFS=: read -r file _ include; do
  from=${file%%/*}
  [[ $include =~ ^\#include\ \"([^/\"]+)/ ]] || continue  # a file beside it, or not one of ours
  to=${BASH_REMATCH[1]}
  if [ "$from" != "$last" ]; then
    last=$from
    rule=$(allowed "$from") || rule=""
  fi
  if [ -z "$rule" ]; then
    echo "$file: $include (the folder $from/ has no rule)"
    broken=1
  elif [[ " $rule " != *" $to "* ]]; then
    echo "$file: $include ($from/ may include only from: $rule)"
    broken=1
  fi
done < <(git ls-files -- '*.cpp' '*.h' '*.rc' | xargs grep -n '^#include "' /dev/null)
[ "$broken" -eq 0 ] && echo "every include keeps to the folder rules"
exit "$broken"
