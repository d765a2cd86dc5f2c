#!/usr/bin/python3
"""Builds the Windows installer and the portable zip of Zemit.

The version and the publisher are read from zemit.exe's own version resource
(the fixed file version and CompanyName), so nothing here repeats them. Every
file gets the same time stamp (SOURCE_DATE_EPOCH, else the time of the last
commit), and the zip lists its entries in a fixed order, so that the same
sources give the same bytes.

Given a certificate (--sign-pfx and --sign-password-file), zemit.exe is
signed before it is packed, and makensis has sign.py sign the uninstaller and
the installer, all with that time stamp as their signing time. A signing that
fails stops the packing with one line and leaves no package behind.
"""
import argparse
import os
import shlex
import shutil
import struct
import subprocess
import sys
import time
import zipfile

import sign

RT_VERSION = 16
PORTABLE_FILES = ("zemit.exe", "help.rtf", "CTIMNE.txt")


class PackingError(Exception):
    pass


def resource_data(pe, type_id):
    """The bytes of the first resource of `type_id` in a PE image."""
    pe_offset = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections = struct.unpack_from("<H", pe, pe_offset + 6)[0]
    optional_size = struct.unpack_from("<H", pe, pe_offset + 20)[0]
    optional = pe_offset + 24
    magic = struct.unpack_from("<H", pe, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva = struct.unpack_from("<I", pe, directories + 2 * 8)[0]

    def file_offset(rva):
        table = optional + optional_size
        for i in range(sections):
            vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", pe, table + 40 * i + 8)
            if vaddr <= rva < vaddr + max(vsize, rawsize):
                return rva - vaddr + rawptr
        raise ValueError(f"RVA {rva:#x} is in no section")

    root = file_offset(resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", pe, directory + 12)
        for i in range(named + numbered):
            yield struct.unpack_from("<II", pe, directory + 16 + 8 * i)

    def first_leaf(offset):
        while True:
            _, target = next(entries(root + offset))
            if not target & 0x80000000:
                return target
            offset = target & 0x7FFFFFFF

    for name, target in entries(root):
        if name == type_id and target & 0x80000000:
            leaf = root + first_leaf(target & 0x7FFFFFFF)
            rva, size = struct.unpack_from("<II", pe, leaf)
            start = file_offset(rva)
            return pe[start:start + size]
    raise ValueError("no version resource")


def version_blocks(data, offset=0):
    """Parses one VS_VERSIONINFO block: (key, value bytes, children)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[value_start:value_start + value_size]
    children = []
    child = (value_start + value_size + 3) & ~3
    while child < end:
        block = version_blocks(data, child)
        children.append(block[:3])
        child = (child + block[3] + 3) & ~3
    return key, value, children, length


def version_info(exe_path):
    """The four-part file version and the version strings of an executable."""
    with open(exe_path, "rb") as f:
        data = resource_data(f.read(), RT_VERSION)
    key, fixed, children, _ = version_blocks(data)
    signature, _, ms, ls = struct.unpack_from("<IIII", fixed)
    if key != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
        raise ValueError("malformed version resource")
    version = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    strings = {}
    for child_key, _, tables in children:
        if child_key == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value.decode("utf-16-le").rstrip("\0")
    return version, strings


def source_epoch(source_dir):
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return 1704067200  # 2024-01-01, for a tree without its history


def windows_text(path):
    """A UTF-8 text as Notepad reads it everywhere: with a byte-order mark and CR LF."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def write_zip(path, folder, files, epoch):
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
    temporary = path + ".tmp"
    with zipfile.ZipFile(temporary, "w") as archive:
        entry = zipfile.ZipInfo(folder + "/", stamp)
        entry.external_attr = (0o40755 << 16) | 0x10
        entry.create_system = 0
        archive.writestr(entry, b"")
        for name, data in files:
            entry = zipfile.ZipInfo(f"{folder}/{name}", stamp)
            entry.external_attr = 0o100644 << 16
            entry.create_system = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data, compresslevel=9)
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--help-file", required=True)
    parser.add_argument("--readme", required=True, help="CTIMNE.txt as UTF-8")
    parser.add_argument("--icon", required=True)
    parser.add_argument("--nsi", required=True)
    parser.add_argument("--version", required=True, help="the version the build expects")
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--out-dir", required=True)
    parser.add_argument("--makensis", default="makensis")
    parser.add_argument("--sign-pfx", default="", help="PKCS#12 file to sign with (none: unsigned)")
    parser.add_argument("--sign-password-file", default="", help="file holding its password")
    parser.add_argument("--sign-timestamp-url", default="",
                        help="RFC 3161 server (none: no timestamp)")
    parser.add_argument("--osslsigncode", default="osslsigncode")
    parser.add_argument("--nsis-target", default="",
                        help="NSIS target of the installer (none: NSIS's 32-bit default)")
    args = parser.parse_args()
    if bool(args.sign_pfx) != bool(args.sign_password_file):
        sys.exit("make_dist: signing needs both ZEMIT_SIGN_PFX and ZEMIT_SIGN_PASSWORD_FILE")

    version, strings = version_info(args.exe)
    if version != args.version:
        sys.exit(f"make_dist: zemit.exe says version {version}, the build {args.version}")
    epoch = source_epoch(args.source_dir)
    out = os.path.abspath(args.out_dir)
    os.makedirs(out, exist_ok=True)
    for name in os.listdir(out):  # the packages of an earlier version
        if name.startswith("zemit-") and name.endswith(("-setup.exe", "-portable.zip")):
            os.remove(os.path.join(out, name))
    setup = os.path.join(out, f"zemit-{version}-setup.exe")
    portable = os.path.join(out, f"zemit-{version}-portable.zip")
    stage = os.path.join(out, "stage")
    try:
        pack(args, version, strings, epoch, stage, setup, portable)
    except (sign.SigningError, PackingError) as e:
        for path in (setup, portable):  # never a package that is not what was asked for
            if os.path.exists(path):
                os.remove(path)
        sys.exit(f"make_dist: {e}")
    finally:
        shutil.rmtree(stage, ignore_errors=True)


def pack(args, version, strings, epoch, stage, setup, portable):
    # The installed files, staged with one time stamp: NSIS stores file times.
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(stage)
    for source, name in ((args.exe, "zemit.exe"), (args.help_file, "help.rtf"),
                         (args.icon, "zemit.ico")):
        shutil.copyfile(source, os.path.join(stage, name))
        os.utime(os.path.join(stage, name), (epoch, epoch))
    exe = os.path.join(stage, "zemit.exe")
    values = [("VERSION", version), ("PUBLISHER", strings["CompanyName"]),
              ("COPYRIGHT", strings["LegalCopyright"]), ("STAGE", stage), ("OUTFILE", setup)]
    if args.nsis_target:
        values.append(("TARGET", args.nsis_target))
    if args.sign_pfx:
        pfx, password_file = map(os.path.abspath, (args.sign_pfx, args.sign_password_file))
        sign.sign(exe, pfx, password_file, epoch, args.sign_timestamp_url, args.osslsigncode)
        os.utime(exe, (epoch, epoch))
        # The command that zemit.nsi gives !finalize and !uninstfinalize.
        here = os.path.dirname(os.path.abspath(__file__))
        command = [sys.executable, os.path.join(here, "sign.py"), "--pfx", pfx,
                   "--password-file", password_file, "--time", str(epoch), "--timestamp-url",
                   args.sign_timestamp_url, "--osslsigncode", args.osslsigncode]
        values.append(("SIGN", shlex.join(command)))

    # The values the installer script needs, as an include file (UTF-8 with
    # a byte-order mark, which makensis reads as such).
    defines = os.path.join(stage, "defines.nsh")
    with open(defines, "w", encoding="utf-8-sig") as f:
        for name, value in values:
            quoted = value.replace("$", "$$").replace('"', '$\\"')
            f.write(f'!define {name} "{quoted}"\n')
    result = subprocess.run([args.makensis, "-V2", "-NOCD", "-INPUTCHARSET", "UTF8",
                             f"-DDEFINES={defines}", os.path.abspath(args.nsi)],
                            cwd=stage, capture_output=True, text=True)
    # A failed signing inside makensis is told by sign.py's one line alone.
    output = (result.stdout + result.stderr).splitlines()
    signing = [line for line in output if line.startswith("make_dist: ")]
    if result.returncode != 0 and signing:
        raise PackingError(signing[0][len("make_dist: "):])
    sys.stdout.write(result.stdout)
    sys.stderr.write(result.stderr)
    if result.returncode != 0:
        raise PackingError(f"makensis ended with {result.returncode}")

    with open(exe, "rb") as f:
        exe_bytes = f.read()
    with open(args.help_file, "rb") as f:
        help_text = f.read()
    files = list(zip(PORTABLE_FILES, (exe_bytes, help_text, windows_text(args.readme))))
    write_zip(portable, "Zemit", files, epoch)


if __name__ == "__main__":
    main()
