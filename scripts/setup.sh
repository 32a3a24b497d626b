#!/usr/bin/env bash
# Installs every Debian package Quarrion needs to build, test and check its output.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-private-dev libgl-dev
  libgtest-dev libgmock-dev
  zlib1g-dev libdeflate-dev libjpeg-dev libstb-dev nlohmann-json3-dev
  libcairo2-dev
  qpdf poppler-utils mupdf-tools libxml2-utils librsvg2-bin python3-jsonschema
  xvfb xauth libx11-dev fonts-urw-base35 fonts-dejavu-core
  chromium locales
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The browser test drives Chromium from Node.js; the machine image brings a newer Node than
# Debian's, so Debian's is only a fallback.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  $SUDO apt-get install -y -q --no-install-recommends nodejs npm
fi

# Number output is tested under a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
