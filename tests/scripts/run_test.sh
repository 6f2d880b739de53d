#!/usr/bin/env bash
# scripts/run.sh without any display (DISPLAY, WAYLAND_DISPLAY and
# QT_QPA_PLATFORM unset, then set but empty) says so in one line on stderr
# and fails before it installs or builds anything. It runs from a copy of the
# scripts in a temporary folder, with stub package and build tools first on
# PATH that record any call. Usage: run_test.sh PATH/TO/run.sh
set -uo pipefail
run_sh="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/copy/scripts"
cp "$run_sh" "$(dirname "$run_sh")/setup.sh" "$work/copy/scripts/"
for tool in apt-get dpkg-query cmake sudo; do
  printf '#!/usr/bin/env bash\necho "%s $*" >>"%s/calls"\n' "$tool" "$work" >"$work/bin/$tool"
done
echo 'printf "install ok installed"' >>"$work/bin/dpkg-query"
chmod +x "$work/bin/"*
failed=0

for case in unset empty; do
  if [ "$case" = unset ]; then
    vars=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  else
    vars=(DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=)
  fi
  rm -f "$work/calls"
  timeout 60 env "${vars[@]}" PATH="$work/bin:$PATH" \
    bash "$work/copy/scripts/run.sh" >"$work/stdout" 2>"$work/stderr"
  status=$?
  if [ "$status" -eq 0 ] || [ -s "$work/stdout" ] || [ "$(grep -c '' "$work/stderr")" -ne 1 ] \
     || [ -e "$work/calls" ] || [ -e "$work/copy/build-program" ]; then
    echo "FAILED: no display ($case): exit $status, and:"
    sed 's/^/  stdout | /' "$work/stdout"
    sed 's/^/  stderr | /' "$work/stderr"
    [ -e "$work/calls" ] && sed 's/^/  called: /' "$work/calls"
    [ -e "$work/copy/build-program" ] && echo "  build-program/ was made"
    failed=1
  fi
done

[ "$failed" -eq 0 ] && echo "run.sh stops at once without a display"
exit "$failed"
