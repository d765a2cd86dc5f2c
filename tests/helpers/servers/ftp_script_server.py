"""Scripted loopback FTP control server for the socket login tests.

Each scenario listens on its own port of 127.0.0.1 and plays a fixed script
with every client: exact reply bytes, sent only after the client's command
arrived, so that each reply reaches the client's next receive as one piece.
A command other than the script's gets "500 Unexpected: <command>".
Prints ZEMIT_TEST_LOGIN_<SCENARIO>=<port> for each, ZEMIT_TEST_LOGIN_CLOSED=
<a port without listener>, then "ready".
"""
import signal
import socket
import sys
import threading

GREETING = b"220 Zemit FTP ready\r\n"
USER = b"USER zemit\r\n"
PASS = b"PASS tajne heslo\r\n"
LONG_GREETING = b"220-" + b"x" * 2043  # exactly 2047 bytes

# ("send", bytes) sends; ("expect", line) reads one CR LF line and checks it.
SCENARIOS = {
    "OK": [("send", GREETING), ("expect", USER), ("send", b"331 Password required\r\n"),
           ("expect", PASS), ("send", b"230 Logged in\r\n")],
    "USER530": [("send", GREETING), ("expect", USER), ("send", b"530 Not logged in.\r\n")],
    "PASS530": [("send", GREETING), ("expect", USER), ("send", b"331 Password required\r\n"),
                ("expect", PASS), ("send", b"530 Login incorrect.\r\n")],
    "TEMPORARY421": [("send", GREETING), ("expect", USER),
                     ("send", b"421 Service not available\r\n"), ("expect", PASS),
                     ("send", b"230 Logged in\r\n")],
    "LETTER": [("send", GREETING), ("expect", USER), ("send", b"Hello\r\n")],
    "SPACE": [("send", GREETING), ("expect", USER), ("send", b" 230 Logged in\r\n")],
    # The rest behind byte 2047 is already waiting when USER goes out.
    "LONGGREETING": [("send", LONG_GREETING + b"331 Rest of the greeting\r\n"),
                     ("expect", USER), ("expect", PASS), ("send", b"230 Logged in\r\n")],
    # A greeting of two lines in two pieces: the second answers USER.
    "PIECES": [("send", b"220-Vitejte\r\n"), ("expect", USER), ("send", b"220 Ready\r\n"),
               ("expect", PASS), ("send", b"230 Logged in\r\n")],
    "DROP": [("send", GREETING), ("expect", USER)],
}


def read_line(conn):
    line = b""
    while not line.endswith(b"\r\n"):
        byte = conn.recv(1)
        if not byte:
            break
        line += byte
    return line


def play(conn, script):
    with conn:
        for action, data in script:
            if action == "send":
                conn.sendall(data)
            else:
                line = read_line(conn)
                if line != data:
                    conn.sendall(b"500 Unexpected: " + line.rstrip(b"\r\n") + b"\r\n")
                    return


def serve(listener, script):
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=play, args=(conn, script), daemon=True).start()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    for name, script in SCENARIOS.items():
        listener = socket.create_server(("127.0.0.1", 0))
        threading.Thread(target=serve, args=(listener, script), daemon=True).start()
        print(f"ZEMIT_TEST_LOGIN_{name}={listener.getsockname()[1]}")
    print(f"ZEMIT_TEST_LOGIN_CLOSED={free_port()}")
    print("ready", flush=True)
    threading.Event().wait()


if __name__ == "__main__":
    sys.exit(main())
