#!/usr/bin/env bash
# Installs the Debian packages that are missing. With "program", only what the
# program itself needs to build and run; otherwise also what its tests and
# tools need, and the Czech locale the number-text tests run under.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev libpng-dev libjpeg62-turbo-dev zlib1g-dev
  fonts-dejavu-core
)
if [ "${1:-}" != "program" ]; then
  PACKAGES+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    locales xvfb xauth
    python3-ezdxf clang libclang-rt-14-dev
  )
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Another package installation (a fresh machine often runs one at boot) holds
# the package manager's locks: wait for it, at most SITMERA_APT_WAIT seconds
# from the first try. apt-get waits for the dpkg locks itself once told to
# (DPkg::Lock::Timeout); for the others (an update's package lists, the
# download folder) it fails at once, and the command is tried again. A command
# is tried at least twice, so that however short the limit and however long
# one try, a held lock ends with the wait told and given up.
wait_max="${SITMERA_APT_WAIT:-600}"
wait_step="${SITMERA_APT_WAIT_STEP:-5}"
deadline=""
apt_log="$(mktemp)"
trap 'rm -f "$apt_log"' EXIT

# The time now in microseconds. Whole seconds (bash's SECONDS) would end a
# limit of N s anywhere between N-1 and N s after it began.
now_us() {
  local t="${EPOCHREALTIME:-}"
  [ -n "$t" ] || t="$(date +%s%6N)"
  # The decimal point follows the locale (a comma in Czech); six decimals.
  t="${t//[!0-9]/}"
  echo $((10#$t))
}

apt_get() {
  [ -n "$deadline" ] || deadline=$(( $(now_us) + wait_max * 1000000 ))
  local tries=0 waiting=0 left=0 remaining
  while :; do
    # The first try does not wait, so that a held lock is told about first.
    tries=$((tries + 1))
    if DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout="$left" "$@" 2>"$apt_log"; then
      cat "$apt_log" >&2
      return 0
    fi
    if ! grep -qE 'Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock' "$apt_log"; then
      cat "$apt_log" >&2
      return 1
    fi
    if [ "$tries" -ge 2 ] && [ "$(now_us)" -ge "$deadline" ]; then
      cat "$apt_log" >&2
      echo "Gave up waiting for the other package installation after ${wait_max} s." >&2
      return 1
    fi
    if [ "$waiting" -eq 0 ]; then
      echo "Waiting for another package installation to finish (at most ${wait_max} s) ..."
      waiting=1
    else
      sleep "$wait_step"
    fi
    # apt-get takes whole seconds: what is left, rounded up.
    remaining=$(( deadline - $(now_us) ))
    if [ "$remaining" -gt 0 ]; then left=$(( (remaining + 999999) / 1000000 )); else left=0; fi
  done
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq "${missing[@]}"
fi

if [ "${1:-}" != "program" ] && ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  echo "Generating the cs_CZ.UTF-8 locale"
  $SUDO localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
