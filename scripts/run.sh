#!/usr/bin/env bash
# Sets up what Vekkiro needs, builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
echo "Vekkiro is not runnable yet: only the classification core is built."
