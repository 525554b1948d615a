#!/usr/bin/env bash
# Fails, naming each place, when a source file differs from what the committed
# .clang-format makes of it. Run by ctest (FormatCheck) and so by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests tools fuzz bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror
