#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds over a copy of its committed seed
# corpus. Crash inputs land in build/fuzz/artifacts; the exit status is non-zero when one
# target failed.
set -euo pipefail
seconds=${1:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/fuzz/tests/fuzz"
artifacts="$root/build/fuzz/artifacts"
mkdir -p "$artifacts"
status=0
for corpus in "$root"/tests/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  work=$(mktemp -d)
  cp "$corpus"* "$work/"
  if "$bin/fuzz_$name" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name-" "$work" >"$work.log" 2>&1; then
    runs=$(grep -o 'Done [0-9]* runs' "$work.log" || echo 'Done ? runs')
    echo "fuzz_$name: ${runs#Done }, no failure"
  else
    echo "fuzz_$name FAILED:" >&2
    tail -n 30 "$work.log" >&2
    status=1
  fi
  rm -rf "$work" "$work.log"
done
exit $status
