#!/usr/bin/env bash
# The program started where its display cannot be opened, or with a platform
# the toolkit does not have, says so in one line on stderr, naming what it
# tried, and exits with status 1. Usage: start_test.sh PATH/TO/sitmera-analyser
set -uo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
# A display number no X server of this machine has taken.
n=4711
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

# start CASE TEXT VAR=VALUE: the one line holds TEXT.
start() {
  timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$3" \
    "$program" >"$work/stdout" 2>"$work/stderr"
  status=$?
  if [ "$status" -ne 1 ] || [ -s "$work/stdout" ] || [ "$(grep -c '' "$work/stderr")" -ne 1 ] \
     || ! grep -qF -- "$2" "$work/stderr"; then
    echo "FAILED: $1: exit $status, and:"
    sed 's/^/  stdout | /' "$work/stdout"
    sed 's/^/  stderr | /' "$work/stderr"
    failed=1
  fi
}
start "no display" "Cannot open the display \":$n\" (DISPLAY)" DISPLAY=":$n"
start "no such platform" "Cannot start the Qt platform \"nonexistent\"" QT_QPA_PLATFORM=nonexistent

[ "$failed" -eq 0 ] && echo "the program says in one line which display or platform it cannot start"
exit "$failed"
