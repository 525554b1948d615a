#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
kestrova_install_deps
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
exec ./build/src/cli/kestrova-cli info res/samples/ID3.dat "$@"
