"""Loopback HTTP server for the update tests and the fetch benchmark.

Serves bodies that the client spells out in the path, so that the test data
stays in the tests:
  /hex/<hex>          200 with the bytes <hex>
  /404/<hex>          404 with the bytes <hex>
  /pattern/<n>        200 with n bytes, byte i = i % 251
  /cut/<n>/<m>         200 announcing n bytes of the pattern, m of them sent,
                      then the connection closed
  /agent              200 with the User-Agent header's bytes as received
  /vypisdownload.php  the maker's download listing with one entry for zemit
  /                   a home page
Binds 127.0.0.1 on a free port (or the address and port given as arguments)
and prints, for with-server.sh, ZEMIT_TEST_HTTP_PORT=<port>,
ZEMIT_TEST_CLOSED_PORT=<a port that was free a moment ago and has no listener>
and "ready".
"""
import http.server
import socket
import socketserver
import sys


LISTING = (b"<html><head><title>Download</title></head><body>\r\n"
           b"File: zemit-1.0.0.3.zip  (2026-12-01) 1MB<br>\r\n"
           b"File: oxidy-2.0.zip     (2026-11-02) 2MB<br>\r\n"
           b"</body>\r\n</html>\r\n")


def pattern(n):
    block = bytes(range(251))
    return (block * (n // 251 + 1))[:n]


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send_body(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        parts = self.path.split("?")[0].split("/")[1:]
        try:
            if parts[0] == "hex" and len(parts) == 2:
                self.send_body(200, bytes.fromhex(parts[1]))
            elif parts[0] == "404" and len(parts) == 2:
                self.send_body(404, bytes.fromhex(parts[1]))
            elif parts[0] == "pattern" and len(parts) == 2:
                self.send_body(200, pattern(int(parts[1])))
            elif parts[0] == "cut" and len(parts) == 3:
                self.send_response(200)
                self.send_header("Content-Length", parts[1])
                self.end_headers()
                self.wfile.write(pattern(int(parts[2])))
                self.wfile.flush()
                # Closed in order (a reset could discard what the client has
                # not read yet): the body ends short of its announced length.
                self.connection.shutdown(socket.SHUT_WR)
                self.close_connection = True
            elif parts == ["vypisdownload.php"]:
                self.send_body(200, LISTING)
            elif parts == [""]:
                self.send_body(200, b"<html><body>Zemit</body></html>")
            elif parts[0] == "agent" and len(parts) == 1:
                # Headers arrive decoded as Latin-1; this gives back the raw bytes.
                self.send_body(200, self.headers.get("User-Agent", "").encode("latin-1"))
            else:
                self.send_body(400, b"bad request path")
        except ValueError:
            self.send_body(400, b"bad request path")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def closed_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    host = sys.argv[1] if len(sys.argv) > 1 else "127.0.0.1"
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    server = Server((host, port), Handler)
    print(f"ZEMIT_TEST_HTTP_PORT={server.server_address[1]}")
    print(f"ZEMIT_TEST_CLOSED_PORT={closed_port()}")
    print("ready", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
