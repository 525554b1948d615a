#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
kestrova_install_deps
cmake -S . -B build -G Ninja
cmake --build build
cd build
ctest --output-on-failure --timeout 300 -j2
