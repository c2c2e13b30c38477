#!/usr/bin/env bash
# Installs every Debian package the project needs (scripts/debian-packages.txt)
# that is not installed yet, on Debian 12. Safe to run again: when nothing is
# missing it changes nothing and needs no root rights.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
package_list="$here/debian-packages.txt"

is_installed() {
  [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null)" == "ii "* ]]
}

missing=()
while read -r package command _; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  if [[ -n "${command:-}" ]] && command -v "$command" >/dev/null 2>&1; then
    continue
  fi
  is_installed "$package" || missing+=("$package")
done <"$package_list"

# The Khronos glTF validator that the export tests run, from npm into
# tools/gltf-validate (pinned by its package-lock.json).
install_gltf_validator() {
  local dir="$here/../tools/gltf-validate"
  [[ -d "$dir/node_modules/gltf-validator" ]] && return 0
  echo "setup: installing the glTF validator into tools/gltf-validate"
  (cd "$dir" && npm ci --no-audit --no-fund --silent)
}

need_i386=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_i386=true
fi

if [[ ${#missing[@]} -eq 0 && $need_i386 == false ]]; then
  echo "setup: all Debian packages present"
  install_gltf_validator
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "setup: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
fi

if [[ $need_i386 == true ]]; then
  echo "setup: adding the i386 architecture (for wine32)"
  "${as_root[@]}" dpkg --add-architecture i386
fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
install_gltf_validator
echo "setup: done"
