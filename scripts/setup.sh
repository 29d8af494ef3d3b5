#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing the
# demonstrations, then configures and builds them (preset "default").
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libstb-dev fonts-liberation
  libgtest-dev libbenchmark-dev libboost-dev
  xvfb xdotool x11-utils openbox imagemagick
  clang libclang-rt-14-dev
)
[ "${DEMOS_SETUP_EXTRA:-}" ] && read -r -a extra <<<"$DEMOS_SETUP_EXTRA" && packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --preset default >/dev/null
cmake --build --preset default
