#!/usr/bin/env bash
# Builds Vekkiro for 64-bit Windows on Debian 12 and writes what users download to
# build/windows/dist/: Vekkiro-<version>-win64.zip (the program folder, runs from wherever it is
# unpacked) and Vekkiro-<version>-setup.exe (its installer).
#
# Installs the Debian packages it needs, cross-builds Qt from Debian's own source once (about 30
# minutes on 2 cores; kept in ${XDG_CACHE_HOME:-~/.cache}/vekkiro), builds the program with
# MinGW-w64 against it, the build-time tools natively. Safe to re-run; later runs take seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
qt=$(scripts/windows/build-qt.sh)
jobs=$(nproc)

echo "== the build machine's tools (artwork renderer, item page generator)"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs" --target unihan_tables render_artwork item_page

echo "== Vekkiro for Windows"
VEKKIRO_WINDOWS_QT="$qt" cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
cmake --build --preset windows --target dist

echo "== written:"
ls -l build/windows/dist/*.zip build/windows/dist/*.exe
