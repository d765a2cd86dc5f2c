"""Loopback FTP server (pyftpdlib) for the support library's FTP tests.

Usage: ftp_server.py <address>   (binds <address>:21, which needs root)

Serves a new temporary folder, removed when the server stops, to three accounts:
  zemit / heslo                          every permission
  nodelete / heslo                       every permission but deleting files
  uzivatel_s_dlouhym_jmenem_29z / heslo_ktere_ma_presne_29_znak
                                         every permission; both texts are
                                         exactly 29 characters long
Prints ZEMIT_TEST_FTP_ADDRESS=<address>, ZEMIT_TEST_FTP_ROOT=<the folder as
a Wine path on drive Z:>, then "ready".
"""
import logging
import shutil
import signal
import sys
import tempfile

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

LONG_USER = "uzivatel_s_dlouhym_jmenem_29z"
LONG_PASSWORD = "heslo_ktere_ma_presne_29_znak"
ALL = "elradfmwMT"


def main():
    address = sys.argv[1]
    root = tempfile.mkdtemp(prefix="zemit-ftp-")
    try:
        authorizer = DummyAuthorizer()
        authorizer.add_user("zemit", "heslo", root, perm=ALL)
        authorizer.add_user("nodelete", "heslo", root, perm=ALL.replace("d", ""))
        authorizer.add_user(LONG_USER, LONG_PASSWORD, root, perm=ALL)
        handler = FTPHandler
        handler.authorizer = authorizer
        # Active-mode data connections go back to the client on loopback.
        handler.permit_foreign_addresses = True
        # A wrong password is answered at once, not after the usual pause.
        handler.auth_failed_timeout = 0
        logging.basicConfig(level=logging.ERROR)
        server = FTPServer((address, 21), handler)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        print(f"ZEMIT_TEST_FTP_ADDRESS={address}")
        print("ZEMIT_TEST_FTP_ROOT=Z:" + root.replace("/", "\\"))
        print("ready", flush=True)
        try:
            server.serve_forever(handle_exit=False)
        finally:
            server.close_all()
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    assert len(LONG_USER) == 29 and len(LONG_PASSWORD) == 29
    sys.exit(main())
