#!/usr/bin/env bash
# Compiles the locales that the tests of the Linux program use into a folder of their own, for
# LOCPATH: Japanese and Greek (non-Latin date and AM/PM words) and Russian (no AM/PM words),
# each in UTF-8. Needs no root; a locale already there is kept. The sources come from
# Debian's `locales` package.
set -euo pipefail

dir=${1:?usage: make-test-locales.sh FOLDER}
mkdir -p "$dir"
for name in ja_JP el_GR ru_RU; do
  [[ -e "$dir/$name.UTF-8/LC_TIME" ]] && continue
  # localedef warns about some sources and still writes the locale; its status says whether
  # the locale is usable (0 or 1 with warnings).
  localedef -i "$name" -f UTF-8 "$dir/$name.UTF-8" >/dev/null 2>&1 || [[ $? -eq 1 ]]
  [[ -e "$dir/$name.UTF-8/LC_TIME" ]] || { echo "could not compile $name.UTF-8" >&2; exit 1; }
done
