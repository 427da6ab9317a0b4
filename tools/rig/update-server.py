#!/usr/bin/env python3
"""A stand-in update server for the tests: serves the version file the way a test asks.

Usage: update-server.py DIR [PORT]   (run inside the test namespace; PORT defaults to 80)

The test writes DIR/body (the file's bytes) and then DIR/mode, read again for every request:
  body      200 with the body and its length
  notfound  404 with an HTML page
  slow      200 without a length, the body in small pieces with pauses between them
  silent    takes the request and never answers, holding the connection open
  closed    the port is closed until the mode changes
Every request adds a line "METHOD PATH<TAB>USER-AGENT<TAB>CACHE-CONTROL<TAB>PRAGMA" to DIR/requests
once its headers are in (a header that is absent is empty);
a silent connection adds "METHOD PATH" to DIR/ended once the client has left.
"""
import os
import select
import socket
import sys
import threading
import time

SLOW_PIECE_BYTES = 7
SLOW_PAUSE_SECONDS = 0.05
SILENT_HOLD_SECONDS = 120
POLL_SECONDS = 0.05
NOT_FOUND_PAGE = (b"<!DOCTYPE html>\r\n<html><head><title>404 Not Found</title></head>\r\n"
                  b"<body><h1>Not Found</h1><p>The requested URL was not found.</p></body></html>\r\n")


def read_file(directory, name, default=b""):
    try:
        with open(os.path.join(directory, name), "rb") as f:
            return f.read()
    except OSError:
        return default


def mode_of(directory):
    return read_file(directory, "mode", b"closed").decode("ascii", "replace").strip()


def read_request(conn):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(4096)
        if not chunk:
            return None
        data += chunk
    lines = data.split(b"\r\n\r\n", 1)[0].decode("latin-1").split("\r\n")
    method_path = " ".join(lines[0].split(" ")[:2])
    def header(name):
        return next((l.split(":", 1)[1].strip() for l in lines[1:]
                     if l.lower().startswith(name + ":")), "")
    return method_path, header("user-agent"), header("cache-control"), header("pragma")


def headers(status, length=None):
    head = f"HTTP/1.1 {status}\r\nContent-Type: text/plain\r\nConnection: close\r\n"
    if length is not None:
        head += f"Content-Length: {length}\r\n"
    return (head + "\r\n").encode("ascii")


def serve(conn, directory):
    with conn:
        request = read_request(conn)
        if request is None:
            return
        mode = mode_of(directory)
        with open(os.path.join(directory, "requests"), "a", encoding="utf-8") as log:
            log.write("\t".join(request) + "\n")
        body = read_file(directory, "body")
        if mode == "body":
            conn.sendall(headers("200 OK", len(body)) + body)
        elif mode == "notfound":
            conn.sendall(headers("404 Not Found", len(NOT_FOUND_PAGE)) + NOT_FOUND_PAGE)
        elif mode == "slow":
            conn.sendall(headers("200 OK"))
            for start in range(0, len(body), SLOW_PIECE_BYTES):
                time.sleep(SLOW_PAUSE_SECONDS)
                conn.sendall(body[start:start + SLOW_PIECE_BYTES])
        elif mode == "silent":
            # Until the client gives up or goes away.
            deadline = time.monotonic() + SILENT_HOLD_SECONDS
            while time.monotonic() < deadline:
                ready, _, _ = select.select([conn], [], [], POLL_SECONDS)
                if ready and not conn.recv(4096):
                    break
            with open(os.path.join(directory, "ended"), "a", encoding="utf-8") as log:
                log.write(f"{request[0]}\n")


def main():
    directory = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 80
    listener = None
    while True:
        if mode_of(directory) == "closed":
            if listener:
                listener.close()
                listener = None
            time.sleep(POLL_SECONDS)
            continue
        if listener is None:
            listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
            listener.bind(("127.0.0.1", port))
            listener.listen(16)
        ready, _, _ = select.select([listener], [], [], POLL_SECONDS)
        if ready:
            conn, _ = listener.accept()
            threading.Thread(target=serve, args=(conn, directory), daemon=True).start()


if __name__ == "__main__":
    main()
