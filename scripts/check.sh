#!/usr/bin/env bash
# The check to run while working, in well under a minute once the development build exists: that
# build, the fast tests (every test but those labelled slow: end to end, Wine, packaging, soak,
# the browser), and the layout of every C++ source. Before stopping, run the full test command,
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --check
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
ctest --preset dev -j "$(nproc)" --label-exclude slow
scripts/check-format.sh
