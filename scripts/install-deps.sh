#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vekkiro need, and only those
# that are missing, so it is cheap to run every time. Works as root, or through sudo otherwise.
#   install-deps.sh            what building and running the program needs
#   install-deps.sh --windows  that, plus what building the Windows program needs
#   install-deps.sh --check    that of the first, plus what scripts/check.sh needs
#   install-deps.sh --bench    that of the first, plus what scripts/bench.sh needs
#   install-deps.sh --test     all of that, plus what the tests and checks need
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    fonts-noto-cjk qt6-translations-l10n
    # Unicode's Unihan data, from which the build makes the pinyin and traditional-form tables.
    unicode-data libbz2-dev
    # The release preset, which the program is built with, builds the benchmarks too.
    libbenchmark-dev
)
windows_packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    dpkg-dev perl nsis googletest
)
# What the quick check (scripts/check.sh) needs beyond the build: the tests' framework and the
# formatter.
check_packages=(libgtest-dev clang-format)
case "${1:-}" in
--windows) packages+=("${windows_packages[@]}") ;;
--check) packages+=("${check_packages[@]}") ;;
# The window benchmark draws on a virtual display.
--bench) packages+=(xvfb xauth dbus-daemon) ;;
--test)
    packages+=("${windows_packages[@]}" "${check_packages[@]}")
    packages+=(
        xvfb xauth xdotool dbus-daemon
        chromium poppler-utils
        desktop-file-utils appstream x11-utils file lintian man-db
        clang-14 libclang-rt-14-dev
        wine wine64 xclip imagemagick python3-pefile
        # The check that the dictionary's tables are current reads jieba's word list and WordNet.
        python3-jieba wordnet-base
        # The screen reader check: Orca, and Speech Dispatcher to speak into a file.
        orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core
    )
    # The browser check needs Node.js; take Debian's only where none is installed.
    command -v node >/dev/null || packages+=(nodejs npm)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
