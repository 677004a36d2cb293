#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows from Debian's own qt6-base source, of the same version as
# the build machine's Qt (whose moc, rcc and uic the cross build uses), and keeps the installed
# result in a cache outside the repository. Prints the installed prefix.
#
# Safe to re-run: the prefix is named after the Qt version and a hash of everything that shapes
# the build, and it counts as present only once its marker exists, which is written after a
# complete install. Reports its progress on standard error; standard output carries only the
# prefix. Needs the packages that `scripts/install-deps.sh --windows` installs.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qt_upstream=${qt_version%%+*}
toolchain_source="$repo/cmake/toolchains/mingw-w64-x86_64.cmake"

# Only what Vekkiro needs: Core, Gui, Widgets, the windows platform plugin and the modern
# Windows style, and Test for the Windows tests. The bundled zlib, libpng, pcre2 and harfbuzz
# stand in for the system libraries that mingw-w64 does not have.
configure_options=(
    -DBUILD_SHARED_LIBS=ON
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DINPUT_opengl=no
    -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_direct2d=OFF
    # Without direct2d, the DirectWrite 3 font database is left out of the build but still
    # referenced by qwindows.dll, which then fails to link.
    -DFEATURE_directwrite3=OFF
    # Debian's +dfsg source drops the Wintab headers that tablet events need.
    -DFEATURE_tabletevent=OFF
    -DFEATURE_freetype=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_testlib=ON
)

key=$( { printf '%s\n' "$qt_version" "${configure_options[@]}"; cat "$toolchain_source"; } \
       | sha256sum | cut -c1-12)
home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
cache=${XDG_CACHE_HOME:-$home/.cache}/vekkiro
prefix="$cache/qt-$qt_upstream-mingw64-$key"
marker="$prefix/.vekkiro-complete"

if [[ -f "$marker" ]]; then
    echo "Qt $qt_upstream for Windows is in the cache: $prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$cache/work-qt-$qt_upstream-$key"
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$work"

# Qt's installed qt.toolchain.cmake records the toolchain file's path, so the file lives in
# the prefix, where it stays as long as the prefix does.
cp "$toolchain_source" "$prefix/mingw-w64-x86_64.cmake"

# apt-get source needs a deb-src entry; derive one from the Debian entry the machine already
# has (same addresses and suites), in a file of our own that is left in place for later runs.
if ! apt-get source --print-uris qt6-base="$qt_version" >/dev/null 2>&1; then
    "$repo/scripts/windows/add-deb-src.sh" >&2
fi
echo "== Qt $qt_upstream for Windows: fetching Debian's source ($qt_version)" >&2
(cd "$work" && apt-get source -qq --download-only qt6-base="$qt_version" >/dev/null &&
    dpkg-source -x --no-check ./qt6-base_*.dsc source >/dev/null) >&2

echo "== Qt $qt_upstream for Windows: configuring (log: $work/configure.log)" >&2
started=$SECONDS
cmake -G Ninja -S "$work/source" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${configure_options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }

echo "== Qt $qt_upstream for Windows: building, 15 to 30 minutes on 2 cores (log: $work/build.log)" >&2
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -n 40 "$work/install.log" >&2; exit 1; }

# The build folder is most of a gigabyte and nothing needs it once Qt is installed.
rm -rf "$work"
echo "$qt_version" >"$marker"
echo "== Qt $qt_upstream for Windows: done in $((SECONDS - started)) s" >&2
echo "$prefix"
