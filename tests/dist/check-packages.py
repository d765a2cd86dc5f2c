#!/usr/bin/python3
"""Checks the packages as files, without running them: the installer and the
zipped program are Windows programs for the build's processor, and the zip
holds exactly the Zemit folder with the build's own zemit.exe.
Usage: check-packages.py <i386|x86-64> <setup.exe> <portable.zip> <zemit.exe>"""
import struct
import sys
import zipfile

MACHINES = {"i386": 0x14C, "x86-64": 0x8664}
PORTABLE = ["Zemit/", "Zemit/zemit.exe", "Zemit/help.rtf", "Zemit/CTIMNE.txt"]


def machine(pe):
    """The processor a PE image is for, from its file header."""
    offset = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[:2] != b"MZ" or pe[offset:offset + 4] != b"PE\0\0":
        return None
    return struct.unpack_from("<H", pe, offset + 4)[0]


def main():
    expected, setup, portable, exe = sys.argv[1:]
    faults = []
    with open(setup, "rb") as f:
        if machine(f.read()) != MACHINES[expected]:
            faults.append(f"{setup} is not a {expected} program")
    with zipfile.ZipFile(portable) as archive:
        if archive.namelist() != PORTABLE:
            faults.append(f"the zip lists {archive.namelist()}, not {PORTABLE}")
        else:
            packed = archive.read("Zemit/zemit.exe")
            if machine(packed) != MACHINES[expected]:
                faults.append(f"the zipped zemit.exe is not a {expected} program")
            with open(exe, "rb") as f:
                if packed != f.read():
                    faults.append("the zipped zemit.exe is not the build's")
    for fault in faults:
        print(f"check-packages: {fault}", file=sys.stderr)
    if not faults:
        print(f"check-packages: installer and zip hold the {expected} program")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
