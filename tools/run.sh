#!/usr/bin/env bash
# Sets up a fresh Debian 12 or 13 machine, builds Tarvexa1 (Release) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

have_display() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }

# A font of Tahoma's widths keeps the captions inside their controls;
# without a display, also the virtual one that the hint below names.
extra=(fonts-dejavu-extra)
have_display || extra+=(xvfb xauth)
bash tools/setup.sh "${extra[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target Tarvexa1

if ! have_display; then
  echo "Tarvexa1 needs a display to open its window, and none is set (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "To run it on a virtual display:  xvfb-run -a bash tools/run.sh" >&2
  exit 1
fi
exec build/app/Tarvexa1
