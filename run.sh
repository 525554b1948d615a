#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display it runs
# the command-line main job instead: the summary of a bundled sample recording.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
kestrova_install_deps
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/ui/kestrova --demo "$@"
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): showing a sample recording instead." >&2
exec ./build/src/cli/kestrova-cli info res/samples/ID3.dat
