#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the Windows program file back: a graphical program that imports only
Windows' own DLLs, with the version information and the icon in its
resources.

  exe_test.py reki-i-selishta.exe
"""

import pathlib
import sys

import pefile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from checks import Checks  # noqa: E402

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll",
               "advapi32.dll", "shell32.dll", "ole32.dll"}


def main():
    checks = Checks()
    path = pathlib.Path(sys.argv[1])
    exe = pefile.PE(str(path))
    checks.equal("graphical subsystem", exe.OPTIONAL_HEADER.Subsystem, 2)
    imports = sorted(entry.dll.decode().lower() for entry in exe.DIRECTORY_ENTRY_IMPORT)
    foreign = [dll for dll in imports if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    checks.equal(f"imports only Windows' own DLLs ({', '.join(imports)})", foreign, [])
    size = path.stat().st_size
    checks.check(f"a few hundred kilobytes ({size // 1024} KiB)", size < 4 * 1024 * 1024)

    fixed = exe.VS_FIXEDFILEINFO[0]
    checks.equal("file version 1.0.0.0", (fixed.FileVersionMS, fixed.FileVersionLS), (0x00010000, 0))
    checks.equal("product version 1.0.0.0", (fixed.ProductVersionMS, fixed.ProductVersionLS),
                 (0x00010000, 0))
    strings = {}
    for info in exe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                checks.equal("string block 040904B0", table.LangID.decode().upper(), "040904B0")
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        if info.Key == b"VarFileInfo":
            checks.equal("translation 0x0409, 1200", info.Var[0].entry.get(b"Translation"),
                         "0x0409 0x04b0")
    checks.equal("FileVersion", strings.get("FileVersion"), "1.00")
    checks.equal("ProductVersion", strings.get("ProductVersion"), "1.00")

    resources = {entry.id: entry for entry in exe.DIRECTORY_ENTRY_RESOURCE.entries}
    group = resources.get(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    icons = resources.get(pefile.RESOURCE_TYPE["RT_ICON"])
    checks.equal("icon group 1", [e.id for e in group.directory.entries] if group else None, [1])
    checks.equal("icon image 30001", [e.id for e in icons.directory.entries] if icons else None, [30001])
    checks.finish()


if __name__ == "__main__":
    main()
