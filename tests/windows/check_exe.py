#!/usr/bin/env python3
"""Reads back what Windows shows of an executable: its subsystem, the version record in
Simplified Chinese and the icon group with every size of the icon.

Usage: check_exe.py <Vekkiro.exe> <expected key=value>... -- <icon size>...
Exits non-zero, naming what differs, on any mismatch."""
import struct
import sys

import pefile

GUI_SUBSYSTEM = 2
CHINESE_PRC = 0x0804
UTF16 = 1200


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def version_strings(pe):
    """The StringFileInfo tables as {(language, codepage): {key: value}}."""
    tables = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                lang_cp = int(table.LangID, 16)
                tables[(lang_cp >> 16, lang_cp & 0xFFFF)] = {
                    k.decode("utf-8"): v.decode("utf-8") for k, v in table.entries.items()
                }
    return tables


def icon_group_sizes(pe, group_id):
    """The widths of the images in icon group <group_id>; 256 is stored as 0."""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            continue
        for group in kind.directory.entries:
            if group.id != group_id:
                continue
            data_entry = group.directory.entries[0].data.struct
            data = pe.get_data(data_entry.OffsetToData, data_entry.Size)
            _, kind_code, count = struct.unpack_from("<HHH", data, 0)
            if kind_code != 1:
                fail(f"resource group {group_id} is not an icon group")
            return [data[6 + 14 * i] or 256 for i in range(count)]
    return None


def main():
    args = sys.argv[1:]
    if "--" not in args or len(args) < 2:
        fail(__doc__)
    split = args.index("--")
    exe, expected = args[0], dict(a.split("=", 1) for a in args[1:split])
    sizes = sorted(int(s) for s in args[split + 1:])

    pe = pefile.PE(exe)
    if pe.OPTIONAL_HEADER.Subsystem != GUI_SUBSYSTEM:
        fail(f"subsystem {pe.OPTIONAL_HEADER.Subsystem}: a console window would open with it")
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        fail("not a 64-bit x86 executable")

    tables = version_strings(pe)
    strings = tables.get((CHINESE_PRC, UTF16))
    if strings is None:
        fail(f"no version strings for Chinese (PRC) in UTF-16; found {sorted(tables)}")
    for key, value in expected.items():
        if strings.get(key) != value:
            fail(f"{key} is {strings.get(key)!r}, expected {value!r}")

    found = icon_group_sizes(pe, 1)
    if found is None:
        fail("no icon group 1")
    if sorted(found) != sizes:
        fail(f"icon group 1 holds sizes {sorted(found)}, expected {sizes}")
    print(f"PASS: GUI subsystem, {len(expected)} version strings in Chinese, icon sizes {sizes}")


if __name__ == "__main__":
    main()
