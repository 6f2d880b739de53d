#!/usr/bin/env bash
# Installs what the program needs, builds the program alone (no tests, no
# benchmarks) into build-program/ and starts it.
set -euo pipefail
# The program opens windows; without a display the toolkit would abort it
# after the whole install and build, with a message of its own.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): start the program from a desktop session, or over ssh with X forwarding (ssh -X)." >&2
  exit 1
fi
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="$here/build-program"
bash "$here/scripts/setup.sh" program

if ! cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       -DSITMERA_TESTS=OFF -DSITMERA_BENCH=OFF >/dev/null \
   || ! cmake --build "$dir" --parallel "$(nproc)" --target sitmera-analyser; then
  echo "The build failed (see the errors above); the program was not started." >&2
  exit 1
fi
exec "$dir/src/sitmera-analyser"
