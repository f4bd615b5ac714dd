#!/usr/bin/env bash
# Checks that the release files are reproducible (behind `make package-check`): the committed
# HEAD is cloned into two folders of different names and depths, `make package` runs in each,
# and the two build/package/ folders are compared byte for byte with cmp. On a difference,
# diffoscope names it. Uncommitted changes are not part of the check.
#
#   check-reproducible.sh [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
commit=$(git rev-parse HEAD)
scratch=$(mktemp -d /tmp/slumbrix-reproducible.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
first=$scratch/a/slumbrix
second=$scratch/second-build/in/another/folder/src

# Each build compiles everything itself: nothing comes from a compiler cache.
unset CMAKE_CXX_COMPILER_LAUNCHER
for dir in "$first" "$second"; do
  git clone --quiet --no-checkout . "$dir"
  git -C "$dir" checkout --quiet --detach "$commit"
  echo "Building the release files of $(git rev-parse --short "$commit") in $dir"
  started=$SECONDS
  make -C "$dir" --no-print-directory package JOBS="$jobs" >"$dir.log" 2>&1 || {
    tail -30 "$dir.log" >&2
    echo "make package failed in $dir" >&2
    exit 1
  }
  echo "  took $((SECONDS - started)) s"
done

status=0
names_first=$(cd "$first/build/package" && ls)
names_second=$(cd "$second/build/package" && ls)
if [[ "$names_first" != "$names_second" ]]; then
  echo "The two builds made different files: [$names_first] and [$names_second]" >&2
  status=1
fi
for name in $names_first; do
  if cmp "$first/build/package/$name" "$second/build/package/$name"; then
    echo "identical: $name ($(stat -c %s "$first/build/package/$name") bytes)"
  else
    status=1
    echo "DIFFERENT: $name; diffoscope says:" >&2
    diffoscope --text - --max-report-size 200000 --max-page-size 200000 \
      "$first/build/package/$name" "$second/build/package/$name" >&2 || true
  fi
done
if [[ $status -eq 0 ]]; then
  echo "Reproducible: two builds of $(git rev-parse --short "$commit") in different folders are identical."
fi
exit "$status"
