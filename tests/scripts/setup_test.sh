#!/usr/bin/env bash
# scripts/setup.sh against stub package tools: it waits while another package
# installation holds a lock, up to its limit, and fails at once on any other
# error. Usage: setup_test.sh PATH/TO/setup.sh
set -uo pipefail
setup="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
failed=0

# dpkg-query: every package installed but those in $STUB_MISSING.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
p="${!#}"
for m in ${STUB_MISSING:-}; do
  if [ "$m" = "$p" ]; then printf 'unknown ok not-installed'; exit 1; fi
done
printf 'install ok installed'
EOF
# apt-get: logs each call; the command $STUB_LOCKED ("update" or "install")
# finds its lock held on the first $STUB_HELD calls (apt's own message), or
# every time for "always"; with STUB_ERROR it fails for another reason. Each
# call takes $STUB_SLEEP seconds (none by default); with STUB_PAST_SECOND the
# first ends 0.05 s past the next whole second. The time each call starts is
# logged too.
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "$EPOCHREALTIME" >>"$STUB_DIR/times"
echo "$*" >>"$STUB_DIR/calls"
[ -z "${STUB_SLEEP:-}" ] || sleep "$STUB_SLEEP"
if [ -n "${STUB_PAST_SECOND:-}" ] && [ "$(grep -c '' "$STUB_DIR/calls")" -eq 1 ]; then
  us=$(( 1050000 - 10#${EPOCHREALTIME#*[.,]} ))
  sleep "$((us / 1000000)).$(printf '%06d' $((us % 1000000)))"
fi
cmd=""
for a in "$@"; do case "$a" in update|install) cmd="$a" ;; esac; done
if [ -n "${STUB_ERROR:-}" ]; then echo "E: Unable to locate package nothing" >&2; exit 100; fi
if [ "$cmd" = "${STUB_LOCKED:-}" ]; then
  n=$(( $(cat "$STUB_DIR/held" 2>/dev/null || echo 0) + 1 ))
  echo "$n" >"$STUB_DIR/held"
  if [ "$STUB_HELD" = always ] || [ "$n" -le "$STUB_HELD" ]; then
    if [ "$cmd" = update ]; then
      echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4321 (apt-get)" >&2
      echo "E: Unable to lock directory /var/lib/apt/lists/" >&2
    else
      echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4321 (apt-get)" >&2
      echo "E: Unable to acquire the dpkg frontend lock (/var/lib/dpkg/lock-frontend), is another process using it?" >&2
    fi
    exit 100
  fi
fi
exit 0
EOF
# sudo (when the test does not run as root) runs the command as it is.
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# Runs setup.sh ("program": no locale step) in a fresh stub state; its output
# goes to $work/out, its exit status to $status.
run() {
  rm -f "$work/calls" "$work/held" "$work/times"
  # A wait without end is a failure here, not a stalled test.
  timeout 30 env PATH="$work/bin:$PATH" STUB_DIR="$work" SITMERA_APT_WAIT_STEP=0.1 "$@" \
    bash "$setup" program >"$work/out" 2>&1
  status=$?
}
calls() { grep -cw -- "$1" "$work/calls" 2>/dev/null || true; }
# Waits until half-way through a wall-clock second.
half_way() {
  local frac="${EPOCHREALTIME#*[.,]}"
  sleep "0.$(printf '%06d' $(( (1500000 - 10#$frac) % 1000000 )))"
}
# A time as bash gives it (a decimal point or comma), in microseconds.
us() { local t="${1//[!0-9]/}"; echo $((10#${t:-0})); }
check() {
  if ! eval "$2"; then
    echo "FAILED: $1 ($2)"
    sed 's/^/  | /' "$work/out"
    [ -f "$work/calls" ] && sed 's/^/  apt-get /' "$work/calls"
    failed=1
  fi
}

# Nothing missing: apt-get is not run.
run STUB_MISSING=""
check "nothing to install" '[ "$status" -eq 0 ] && [ ! -f "$work/calls" ]'

# The package lists locked three times: setup.sh says it waits, tries again
# and installs the missing package.
run STUB_MISSING="ninja-build" STUB_LOCKED=update STUB_HELD=3
check "waits for the lists lock" '[ "$status" -eq 0 ] && grep -q "Waiting for another package installation" "$work/out"'
check "tries the update again" '[ "$(calls update)" -eq 4 ]'
check "installs once the lock is free" '[ "$(calls "install -y -qq ninja-build")" -eq 1 ]'

# The dpkg lock: the first try does not wait (so that the wait is told), the
# next lets apt-get wait itself up to the limit.
run STUB_MISSING="cmake ninja-build" STUB_LOCKED=install STUB_HELD=1 SITMERA_APT_WAIT=300
check "waits for the dpkg lock" '[ "$status" -eq 0 ] && grep -q "Waiting for another package installation" "$work/out"'
check "first install does not wait" 'grep "install" "$work/calls" | head -n 1 | grep -q "DPkg::Lock::Timeout=0 "'
check "then apt-get waits itself" 'grep "install" "$work/calls" | sed -n 2p | grep -qE "DPkg::Lock::Timeout=(29[0-9]|300) .*cmake ninja-build"'

# A lock held for ever: setup.sh gives up after its limit, with the reason.
# Every try but the second follows a pause of 0.1 s, so a 1 s limit allows
# at most 12 tries (counted, with a margin, rather than timed: a loaded
# machine slows a run down but never adds tries).
run STUB_MISSING="cmake" STUB_LOCKED=update STUB_HELD=always SITMERA_APT_WAIT=1
check "gives up on a lock held for ever" '[ "$status" -ne 0 ] && grep -q "Gave up waiting" "$work/out" && grep -q "Could not get lock" "$work/out"'
check "gives up within the limit" '[ "$(calls update)" -ge 2 ] && [ "$(calls update)" -le 15 ] && [ "$(calls install)" -eq 0 ]'

# Tries that take most of the limit each: still a second try and the reason,
# wherever the limit starts within a wall-clock second. Started half-way
# through one, where a count of whole seconds would find the limit over after
# the first try.
half_way
run STUB_MISSING="cmake" STUB_LOCKED=update STUB_HELD=always SITMERA_APT_WAIT=1 STUB_SLEEP=0.7
check "slow tries: tries again, then gives up with the reason" '[ "$status" -ne 0 ] && [ "$(calls update)" -ge 2 ] && grep -q "Gave up waiting" "$work/out" && grep -q "Could not get lock" "$work/out"'

# However short the limit, a held lock is tried twice and told.
run STUB_MISSING="cmake" STUB_LOCKED=update STUB_HELD=always SITMERA_APT_WAIT=0
check "a limit of 0 s: two tries, then gives up with the reason" '[ "$status" -ne 0 ] && [ "$(calls update)" -eq 2 ] && grep -q "Gave up waiting" "$work/out"'

# The limit runs from the first try, not from the whole second it began in:
# a first try that ends past a whole second leaves the next its full 300 s,
# less only the whole seconds gone by since before the start (read from the
# clock: a slow machine lowers what is expected, never raises it).
half_way
start="$EPOCHREALTIME"
run STUB_MISSING="cmake" STUB_LOCKED=update STUB_HELD=1 SITMERA_APT_WAIT=300 STUB_PAST_SECOND=1
gone=$(( ($(us "$(sed -n 2p "$work/times")") - $(us "$start")) / 1000000 ))
left=$(grep -w update "$work/calls" | sed -n 2p | grep -o 'Timeout=[0-9]*' | cut -d= -f2)
check "the limit counted finer than whole seconds" '[ "$status" -eq 0 ] && [ "${left:-0}" -ge $((300 - gone)) ]'

# Another failure is not waited for.
run STUB_MISSING="cmake" STUB_ERROR=1
check "fails at once on another error" '[ "$status" -ne 0 ] && [ "$(calls update)" -eq 1 ] && ! grep -q "Waiting" "$work/out"'

[ "$failed" -eq 0 ] && echo "setup.sh waits for the package lock as it should"
exit "$failed"
