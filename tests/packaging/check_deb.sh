#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it, and checks its control fields, its
# file list and its manual pages, and that Debian's package checker, lintian, finds no error and
# no warning in it. Usage: check_deb.sh <build-dir>
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null) ||
    fail "cpack could not build the package"
deb=$(find "$work" -maxdepth 1 -name 'vekkiro_*.deb' -print -quit)
[[ -n "$deb" ]] || fail "no package was written"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == vekkiro ]] || fail "Package is $(field Package)"
[[ $(field Version) == 1.00 ]] || fail "Version is $(field Version)"
[[ $(field Section) == utils ]] || fail "Section is $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ $(field Description) == *"bin an item of waste"* ]] || fail "Description is $(field Description)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libc6 qt6-qpa-plugins qt6-translations-l10n \
    "fonts-noto-cjk | fonts-wqy-zenhei"; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
while read -r path; do
    [[ "$path" == ./usr/* || "$path" == ./ ]] || fail "file outside the prefix: $path"
done <<<"$files"
for expected in ./usr/bin/vekkiro ./usr/share/vekkiro/winpj/qbljfl.html \
    ./usr/share/applications/org.vekkiro.Vekkiro.desktop \
    ./usr/share/metainfo/org.vekkiro.Vekkiro.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.vekkiro.Vekkiro.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.vekkiro.Vekkiro.png \
    ./usr/share/doc/vekkiro/changelog.gz ./usr/share/doc/vekkiro/copyright \
    ./usr/share/man/man1/vekkiro.1.gz ./usr/share/man/zh_CN/man1/vekkiro.1.gz; do
    grep -qxF "$expected" <<<"$files" || fail "the package lacks $expected"
done

dpkg-deb -x "$deb" "$work/root"
if [[ $(readelf -d "$work/root/usr/bin/vekkiro") =~ RPATH|RUNPATH ]]; then
    fail "the installed program carries a library search path"
fi
grep -q "Unicode Han Database" "$work/root/usr/share/doc/vekkiro/copyright" ||
    fail "the copyright does not name the Unicode data the suggestion tables come from"
grep -q "CC BY-SA 4.0" "$work/root/usr/share/doc/vekkiro/copyright" ||
    fail "the copyright does not name CC-CEDICT's licence, which the other words come under"
if grep -rqaF "$build" "$work/root"; then
    fail "the package mentions the build folder $build"
fi
for page in "$work/root/usr/share/man/man1/vekkiro.1.gz" \
    "$work/root/usr/share/man/zh_CN/man1/vekkiro.1.gz"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "man warns about ${page#"$work/root"}: $warnings"
done

# Errors and warnings fail; informational tags (I:) and lintian's own notes do not.
findings=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[[ -z "$findings" ]] || fail "lintian: $findings"

size=$(stat -c %s "$deb")
echo "PASS: $(basename "$deb"), $size bytes, $(wc -l <<<"$files") entries"
echo "Depends: $depends"
