#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet.
# Runs apt-get as root, through sudo otherwise, and refreshes the package lists once
# before the first install.
set -euo pipefail

missing=()
for pkg in "$@"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

# wine32 and the mingw runtime need the i386 architecture.
for pkg in "${missing[@]}"; do
  if [[ "$pkg" == *:i386 || "$pkg" == wine32 ]]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      "${as_root[@]}" dpkg --add-architecture i386
    fi
  fi
done

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}"
