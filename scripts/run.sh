#!/usr/bin/env bash
# Sets up what Vekkiro needs (Debian 12), builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" >/dev/null
exec build/release/bin/vekkiro "$@"
