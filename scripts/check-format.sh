#!/usr/bin/env bash
# Fails, naming the places, where a C++ source of the repository is not as the checked-in
# .clang-format lays it out. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "format: every C++ source is laid out as .clang-format says"
