#!/usr/bin/python3
"""Signs a Windows executable in place with an Authenticode signature.

make_dist.py signs zemit.exe with sign(); makensis runs this script through
!finalize and !uninstfinalize for the installer and the uninstaller it writes.
osslsigncode reads the password from its file (-readpass), so the password is
on no command line. The signing time is given (-time), so that the same file,
certificate and time give the same bytes; a timestamp server, when one is
named, adds its own time, and the result is then no longer reproducible.
"""
import argparse
import os
import subprocess
import sys


class SigningError(Exception):
    pass


def sign(path, pfx, password_file, epoch, timestamp_url="", osslsigncode="osslsigncode",
         name=None):
    for what, source in (("the certificate", pfx), ("the password file", password_file)):
        try:
            with open(source, "rb"):
                pass
        except OSError as e:
            raise SigningError(f"cannot read {what} {source}: {e.strerror}") from None
    signed = path + ".signed"
    command = [osslsigncode, "sign", "-pkcs12", pfx, "-readpass", password_file,
               "-h", "sha256", "-n", "Zemit", "-time", str(epoch)]
    if timestamp_url:
        command += ["-ts", timestamp_url]
    try:
        result = subprocess.run(command + ["-in", path, "-out", signed],
                                capture_output=True, text=True)
    except OSError as e:
        raise SigningError(f"cannot run {osslsigncode}: {e.strerror}") from None
    if result.returncode != 0:
        if os.path.exists(signed):
            os.remove(signed)
        # osslsigncode's first line says what went wrong ("Failed to parse
        # PKCS#12 file: ... (Wrong password?)"); OpenSSL's error stack follows.
        lines = [line for line in (result.stderr + result.stdout).splitlines() if line.strip()]
        reason = lines[0] if lines else f"osslsigncode ended with {result.returncode}"
        raise SigningError(f"signing {name or os.path.basename(path)} failed: {reason}")
    os.replace(signed, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--pfx", required=True)
    parser.add_argument("--password-file", required=True)
    parser.add_argument("--time", required=True, type=int, help="signing time, Unix seconds")
    parser.add_argument("--timestamp-url", default="")
    parser.add_argument("--osslsigncode", default="osslsigncode")
    parser.add_argument("--name", help="its name in messages (makensis signs a temporary file)")
    parser.add_argument("file")
    args = parser.parse_args()
    try:
        sign(args.file, args.pfx, args.password_file, args.time, args.timestamp_url,
             args.osslsigncode, args.name)
    except SigningError as e:
        sys.exit(f"make_dist: {e}")


if __name__ == "__main__":
    main()
