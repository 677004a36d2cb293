#!/usr/bin/env python3
"""The installer's pictures: each is a 24-bit bitmap of the size NSIS's modern interface shows
it at 100 % (the welcome and finish pages' 164 x 314, the header's 150 x 57), scaled for 150 %
and 200 %; each is exactly what the renderer draws from the vector sources now (not a bitmap
drawn once and kept); and the installer script takes them from there.

Usage: check_installer_pictures.py <render_artwork> <scene.svg> <icon.svg> <pictures dir>
                                   <installer.nsi>
Exits non-zero, naming what differs, on any mismatch."""
import os
import re
import struct
import subprocess
import sys
import tempfile

SIZES = {"welcome": (164, 314), "header": (150, 57)}
SCALES = (100, 150, 200)


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def bitmap_size(path):
    """(width, height, bits per pixel) from a BMP's headers."""
    with open(path, "rb") as file:
        header = file.read(30)
    if len(header) < 30 or header[:2] != b"BM":
        fail(f"{path} is not a bitmap")
    width, height = struct.unpack_from("<ii", header, 18)
    (bits,) = struct.unpack_from("<H", header, 28)
    return width, abs(height), bits


def main():
    renderer, scene, icon, pictures, nsi = sys.argv[1:6]
    names = [f"{name}-{scale}.bmp" for name in SIZES for scale in SCALES]
    for name in names:
        picture, scale = name[:-4].split("-")
        # Rounded as Qt rounds a size scaled by a fraction.
        expected = tuple(int(side * int(scale) / 100 + 0.5) for side in SIZES[picture])
        width, height, bits = bitmap_size(os.path.join(pictures, name))
        if (width, height) != expected or bits != 24:
            fail(f"{name} is {width}x{height}x{bits}, not {expected[0]}x{expected[1]}x24")

    with tempfile.TemporaryDirectory() as fresh:
        subprocess.run([renderer, scene, icon, fresh], check=True, stderr=subprocess.DEVNULL)
        for name in names:
            with open(os.path.join(pictures, name), "rb") as built, \
                 open(os.path.join(fresh, "installer", name), "rb") as drawn:
                if built.read() != drawn.read():
                    fail(f"{name} is not what the renderer draws from the sources")

    with open(nsi, encoding="utf-8") as file:
        script = file.read()
    defined = re.search(r'^!define PICTURES "(.*)"$', script, re.MULTILINE)
    if not defined or os.path.realpath(defined.group(1)) != os.path.realpath(pictures):
        fail(f"the installer does not take its pictures from {pictures}")
    for use in ("MUI_WELCOMEFINISHPAGE_BITMAP", "MUI_HEADERIMAGE_BITMAP"):
        if not re.search(rf'^!define {use} "\$\{{PICTURES\}}\\[a-z]+-100\.bmp"$', script,
                         re.MULTILINE):
            fail(f"{use} is not one of the rendered pictures")
    print(f"PASS: {len(names)} pictures, sizes and rendered from the sources")


if __name__ == "__main__":
    main()
