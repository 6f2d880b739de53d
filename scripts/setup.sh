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

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

if [ "${1:-}" != "program" ] && ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  echo "Generating the cs_CZ.UTF-8 locale"
  $SUDO localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
