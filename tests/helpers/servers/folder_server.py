"""Loopback HTTP server of a folder's files, for a build whose site address
is on the loopback.

Usage: folder_server.py <address> <port>
Serves a new temporary folder (removed when the server stops) at
http://<address>:<port>/; doubled slashes in a path count as one. Prints
ZEMIT_TEST_SITE_FOLDER=<the folder as a Wine path on drive Z:>, then "ready".
"""
import functools
import http.server
import shutil
import signal
import socketserver
import sys
import tempfile


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    address, port = sys.argv[1], int(sys.argv[2])
    folder = tempfile.mkdtemp(prefix="zemit-site-")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        server = Server((address, port), functools.partial(Handler, directory=folder))
        print("ZEMIT_TEST_SITE_FOLDER=Z:" + folder.replace("/", "\\"))
        print("ready", flush=True)
        server.serve_forever()
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
