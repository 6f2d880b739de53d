#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x "$here/build/src/sitmera-analyser" ]; then
  exec "$here/build/src/sitmera-analyser"
else
  echo "Built. The program's main window is not built yet, so there is nothing to start."
fi
