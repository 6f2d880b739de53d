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
# download folder) it fails at once, and the command is tried again.
wait_max="${SITMERA_APT_WAIT:-600}"
wait_step="${SITMERA_APT_WAIT_STEP:-5}"
deadline=""
apt_log="$(mktemp)"
trap 'rm -f "$apt_log"' EXIT

apt_get() {
  [ -n "$deadline" ] || deadline=$((SECONDS + wait_max))
  local waiting=0 left=0
  while :; do
    # The first try does not wait, so that a held lock is told about first.
    if DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout="$left" "$@" 2>"$apt_log"; then
      cat "$apt_log" >&2
      return 0
    fi
    if ! grep -qE 'Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock' "$apt_log" \
       || [ "$SECONDS" -ge "$deadline" ]; then
      cat "$apt_log" >&2
      if [ "$waiting" -eq 1 ]; then
        echo "Gave up waiting for the other package installation after ${wait_max} s." >&2
      fi
      return 1
    fi
    if [ "$waiting" -eq 0 ]; then
      echo "Waiting for another package installation to finish (at most ${wait_max} s) ..."
      waiting=1
    else
      sleep "$wait_step"
    fi
    left=$((deadline - SECONDS))
    [ "$left" -gt 0 ] || left=0
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
