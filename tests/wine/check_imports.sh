#!/usr/bin/env bash
# Checks the import table of a Windows program against the allow-list: every imported
# function must be listed on one of the allow-lists, and the functions newer than Windows 95
# must not be imported.
#   check_imports.sh OBJDUMP PROGRAM.EXE ALLOW-LIST...
set -euo pipefail
objdump=$1 program=$2
shift 2
allowed=$(cat "$@" | grep -v '^#' | grep -v '^$' | sort -u)
# 77: not built (yet); the test counts as skipped.
[[ -f "$program" ]] || { echo "$program is not built" >&2; exit 77; }

imports=$("$objdump" -p "$program" |
  awk '/DLL Name:/ { dll = tolower($3) } /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll "!" $3 }' |
  sort -u)
[[ -n "$imports" ]] || { echo "no imports read from $program" >&2; exit 1; }

status=0
for late in LockWorkStation SetSuspendState NtQuerySystemInformation; do
  if grep -q "!$late\$" <<<"$imports"; then
    echo "imports $late, which must be looked up when called" >&2
    status=1
  fi
done
unlisted=$(comm -23 <(echo "$imports") <(echo "$allowed"))
if [[ -n "$unlisted" ]]; then
  echo "imports not on the allow-list:" >&2
  echo "$unlisted" >&2
  status=1
fi
echo "$(wc -l <<<"$imports") imports of $(basename "$program") checked"
exit "$status"
