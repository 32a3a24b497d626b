#!/usr/bin/env bash
# The main job on a fresh Debian 12 machine: installs what is needed, builds Quarrion and
# writes the built-in sample deck (demo.qsl, demo.pdf, demo.svg and one PNG per slide).
# Usage: bash scripts/demo.sh [OUTDIR]   (default: ./quarrion-demo)
set -euo pipefail
cd "$(dirname "$0")/.."

outdir="${1:-$PWD/quarrion-demo}"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quarrion-cli quarrion
./build/src/cli/quarrion-cli demo "$outdir"

# Open the deck when there is a display and something to show it with.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if [ -x build/src/app/quarrion ]; then
    ./build/src/app/quarrion "$outdir/demo.qsl" &
  elif command -v xdg-open >/dev/null 2>&1; then
    xdg-open "$outdir/demo.pdf" >/dev/null 2>&1 &
  fi
fi
