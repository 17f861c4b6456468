#!/usr/bin/env python3
"""Checks mjcalc.exe as Windows will see it: pecheck.py mjcalc.exe SYSTEM32-FOLDER

A 64-bit GUI program (no console window beside it) that imports only DLLs Windows has itself
(those in the given system32 folder, and none of the compiler's or Qt's), with the program's icon
and its version record. Prints each fault and exits 1 if there is any."""
import os
import sys

import pefile

EXPECTED_STRINGS = {
    "CompanyName": ".",
    "FileDescription": "MJ Calculator",
    "FileVersion": "1.00",
    "InternalName": "mjcalc",
    "OriginalFilename": "mjcalc.exe",
    "ProductName": "MJ Calculator",
    "ProductVersion": "1.00",
}
# English (United States), Unicode.
EXPECTED_TRANSLATION = (0x0409, 0x04B0)
EXPECTED_VERSION = (1, 0, 0, 0)
ICON_SIZES = {16, 24, 32, 48, 64, 128, 256}


def faults(path, system32):
    pe = pefile.PE(path)
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        yield "not an x86-64 program"
    if pe.OPTIONAL_HEADER.Magic != pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS:
        yield "not PE32+"
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        yield "not a GUI program: a console window would open beside it"

    windows_dlls = {name.lower() for name in os.listdir(system32)}
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        dll = entry.dll.decode().lower()
        if dll.startswith("api-ms-win-"):
            continue
        if dll not in windows_dlls or dll.startswith(("lib", "qt")):
            yield f"imports {dll}, which Windows does not have"

    icons = [e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries
             if e.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    if not icons:
        yield "no icon"
    else:
        group = icons[0].directory.entries[0].directory.entries[0].data.struct
        data = pe.get_data(group.OffsetToData, group.Size)
        count = int.from_bytes(data[4:6], "little")
        sizes = {data[6 + 14 * i] or 256 for i in range(count)}
        if sizes != ICON_SIZES:
            yield f"icon sizes {sorted(sizes)}, not {sorted(ICON_SIZES)}"

    if not hasattr(pe, "VS_FIXEDFILEINFO"):
        yield "no version record"
        return
    fixed = pe.VS_FIXEDFILEINFO[0]
    for what, ms, ls in (("file", fixed.FileVersionMS, fixed.FileVersionLS),
                         ("product", fixed.ProductVersionMS, fixed.ProductVersionLS)):
        version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if version != EXPECTED_VERSION:
            yield f"{what} version {version}, not {EXPECTED_VERSION}"
    strings, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                if table.LangID.decode().lower() != "%04x%04x" % EXPECTED_TRANSLATION:
                    yield f"strings for language {table.LangID.decode()}"
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                value = var.entry.get(b"Translation")
                if value:
                    translations.append(tuple(int(x, 16) for x in value.split()))
    for key, value in EXPECTED_STRINGS.items():
        if strings.get(key) != value:
            yield f"{key} is {strings.get(key)!r}, not {value!r}"
    if translations != [EXPECTED_TRANSLATION]:
        yield f"translations {translations}, not [{EXPECTED_TRANSLATION}]"


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: pecheck.py PROGRAM.exe SYSTEM32-FOLDER")
    found = list(faults(sys.argv[1], sys.argv[2]))
    for fault in found:
        print(f"  {sys.argv[1]}: {fault}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
