#!/usr/bin/env bash
# Builds the workbench cutting-host and the plug-ins (native Linux) and runs
# the workbench on the built-in plug-ins with their default parameters.
# Installs missing Debian packages first. Arguments, when given, go to
# cutting-host instead.
#   scripts/run-workbench.sh [cutting-host arguments...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup-debian.sh >&2
cmake --preset default >&2
cmake --build --preset default --target cutting-host cutting_plugins >&2

host="build/default/bin/cutting-host"
if [[ ! -x "$host" ]]; then
  echo "run-workbench: $host was not built" >&2
  exit 2
fi

if [[ $# -gt 0 ]]; then
  exec "$host" "$@"
fi

"$host" list
status=0
for plugin in build/default/plugins/*.so; do
  for command in info params check; do
    echo
    echo "=== cutting-host $command $(basename "$plugin")"
    "$host" "$command" "$plugin" || status=$?
  done
done
exit "$status"
