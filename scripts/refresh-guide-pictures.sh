#!/usr/bin/env bash
# Renders every window again (the Qt render tests of apps_tests, offscreen) and copies the
# pictures the user guide shows into docs/使用教程图片/, so that the guide shows the windows as
# they are now. Run it after a change to how a window looks, then commit docs/.
# usage: bash scripts/refresh-guide-pictures.sh  (sets up build/test first when it is missing)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/test"
guide="$here/docs/使用教程.html"
folder=使用教程图片

[ -f "$build/CMakeCache.txt" ] || "$here/scripts/setup.sh" test
cmake --build "$build" -j"$(nproc)" --target apps_tests

# A fresh folder for the render, so that no picture of an earlier run is taken. Each test
# runs in a process of its own, as under ctest.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen RENT_TEST_OUTPUT="$out"
export LSAN_OPTIONS=suppressions="$here/scripts/lsan.supp"
cd "$build"
run_one='bin/apps_tests --gtest_filter="$1" >/dev/null 2>&1 || echo "refresh: $1 failed" >&2'
bin/apps_tests --gtest_list_tests | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' |
  grep -v '^UserGuide\.' | xargs -P 4 -I '{}' sh -c "$run_one" _ '{}'

# Exactly the pictures the guide names, taken from this render.
names=$(grep -o "src=\"$folder/[^\"]*\"" "$guide" | sed "s|src=\"$folder/||; s|\"$||" | sort -u)
mkdir -p "$here/docs/$folder"
missing=0
for name in $names; do
  if [ -f "$out/$name" ]; then
    cp "$out/$name" "$here/docs/$folder/$name"
  else
    echo "refresh: the render made no $name" >&2
    missing=1
  fi
done
for old in "$here/docs/$folder"/*.png; do
  [ -e "$old" ] || continue
  echo "$names" | grep -qx "$(basename "$old")" || rm -v "$old"
done
# The guide's own checks, once the build has shipped the new pictures beside the programs.
cmake --build "$build" -j"$(nproc)" --target apps_tests >/dev/null
bin/apps_tests --gtest_filter='UserGuide.*' --gtest_brief=1 >&2 || missing=1
git -C "$here" status --short -- docs
exit $missing
