#!/usr/bin/env bash
# Builds the workbench cutting-host and the plug-ins (native Linux) and runs
# the workbench on the built-in plug-ins with their default parameters: their
# descriptions, parameters and verdicts, then the oval's measures and its
# drawing and 3-D model in out/lirento.svg and out/lirento.glb.
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

# The oval on its defaults: the grader's measures, a drawing and a 3-D model.
mkdir -p out
echo
echo "=== cutting-host measure Lirento"
"$host" measure Lirento || status=$?
for file in out/lirento.svg out/lirento.glb; do
  echo
  echo "=== cutting-host export Lirento -o $file"
  "$host" export Lirento -o "$file" || status=$?
done
exit "$status"
