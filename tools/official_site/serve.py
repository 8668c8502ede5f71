#!/usr/bin/env python3
"""Serves the stand-in pages of the official lottery site on 127.0.0.1, so that
QUDO's downloads can be tried by hand without the internet.

    python3 tools/official_site/serve.py [--port 8080] [--settings PATH/TO/bigSettings.ini]

The pages and the map of addresses to pages live in tests/data/official/
(site.tsv); QUDO's tests serve the same pages the same way. The same server
also stands in for the maker's download server of the overseas team-name
update (/download/2021/version.dat and a newer TeamName2.dat): QUDO asks it
when built with -DQUDO_UPDATE_HOST=127.0.0.1:<port> (see README.md). With --settings the
three page addresses in QUDO's bigSettings.ini are pointed at this server (the
file is kept in its windows-31j, CR LF form; everything else in it stays).
Delete bigSettings.ini to get the official addresses back: QUDO writes the
defaults at its next start.

The server can also misbehave the way overloaded sites do on result day: the
page addresses of the reserved rounds 1901 to 1909 (any of the three pages)
each answer with one misbehaviour (see MISBEHAVIOURS), and --misbehave NAME
makes every address, the team-name update's included, answer with it.
"""

import argparse
import http.server
import os
import socket
import struct
import sys
import threading
import time
import zlib
from urllib.parse import parse_qs, urlsplit, urlunsplit

import real_world_rounds

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
SITE = os.path.join(REPO, "tests", "data", "official")

# The settings that hold page addresses (the others are query suffixes).
ADDRESS_KEYS = ("bigOfficialScheduleUrl", "bigOfficialResultUrl", "totoOfficialVoteUrl")

# A page made here rather than kept in the site folder: the designated-match
# page of this round is "<a>" repeated up to just under the body cap of
# QUDO's HTTP client, the worst page for cutting into items.
HUGE_PAGE_PATH = ("/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form"
                  f"?popupDispDiv=0&holdCntId={real_world_rounds.HUGE_PAGE_ROUND:04d}&commodityId=09")


def huge_page():
    head = b"<html><body><p>no round here</p>"
    count = (real_world_rounds.HUGE_PAGE_BYTES - len(head)) // 3
    return head + b"<a>" * count


# name -> (reserved round, what the server does)
MISBEHAVIOURS = {
    "trickle": (1901, "sends one byte a second, forever (a page that never ends)"),
    "cut": (1902, "promises 5,000 bytes, sends 112, closes the connection"),
    "redirect-loop": (1903, "redirects to itself forever"),
    "redirect-away": (1904, "redirects to another host (localhost instead of 127.0.0.1)"),
    "gzip-bomb": (1905, "1 GB of zeros gzip-compressed (about 1 MB on the wire)"),
    "silent": (1906, "accepts the connection and never answers"),
    "500": (1907, "answers HTTP 500 Internal Server Error"),
    "503": (1908, "answers HTTP 503 Service Unavailable"),
    "reset": (1909, "sends half the page, then resets the connection"),
}
ROUND_MISBEHAVIOURS = {round_: name for name, (round_, _) in MISBEHAVIOURS.items()}

_gzip_bomb = None
_gzip_lock = threading.Lock()


def gzip_bomb():
    """1 GiB of zeros in gzip form (1 MiB), made once and kept: the server
    starts making it at once, which takes some seconds."""
    global _gzip_bomb
    with _gzip_lock:
        if _gzip_bomb is None:
            packer = zlib.compressobj(9, zlib.DEFLATED, 31)
            zeros = bytes(1 << 20)
            _gzip_bomb = b"".join(packer.compress(zeros) for _ in range(1024)) + packer.flush()
        return _gzip_bomb


def misbehaviour_of(path):
    """The misbehaviour a reserved round's page address asks for, if any."""
    rounds = parse_qs(urlsplit(path).query).get("holdCntId", [])
    return ROUND_MISBEHAVIOURS.get(int(rounds[0])) if rounds and rounds[0].isdigit() else None


def load_site(folder):
    """address -> file, and path -> file for the pages that answer any query."""
    exact, fallback = {}, {}
    with open(os.path.join(folder, "site.tsv"), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            try:
                address, name = line.split("\t")
            except ValueError:
                sys.exit(f"site.tsv line {number}: expected <address><TAB><file>")
            if not os.path.isfile(os.path.join(folder, name)):
                sys.exit(f"site.tsv line {number}: no page {name}")
            (exact if "?" in address else fallback)[address] = name
    return exact, fallback


def handler_for(folder, exact, fallback, misbehave=None):
    class Handler(http.server.BaseHTTPRequestHandler):
        server_version = "StandInOfficialSite/1.0"

        def do_GET(self):
            name = misbehave or misbehaviour_of(self.path)
            if name:
                try:
                    self.misbehave(name)
                except (BrokenPipeError, ConnectionResetError):
                    pass
                return
            if self.path == HUGE_PAGE_PATH:
                self.answer(200, huge_page())
                return
            name = exact.get(self.path) or fallback.get(self.path.split("?", 1)[0])
            if name is None:
                self.answer(404, "<!DOCTYPE html><html><body><p>Not Found</p></body></html>".encode())
                return
            with open(os.path.join(folder, name), "rb") as f:
                self.answer(200, f.read(), name)

        def answer(self, status, body, name=""):
            self.send_response(status)
            # The pages are UTF-8 HTML; the download server's files are windows-31j text.
            kind = "text/plain; charset=Shift_JIS" if name.endswith(".dat") else "text/html; charset=UTF-8"
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def head(self, status, length, extra=()):
            self.send_response(status)
            self.send_header("Content-Type", "text/html; charset=UTF-8")
            self.send_header("Content-Length", str(length))
            for key, value in extra:
                self.send_header(key, value)
            self.end_headers()

        def misbehave(self, name):
            page = b"<html><body>" + b"x" * 4975 + b"</body></html>"
            if name == "trickle":
                self.head(200, 1 << 30)
                while True:
                    self.wfile.write(b"x")
                    self.wfile.flush()
                    time.sleep(1)
            elif name == "cut":
                self.head(200, 5000)
                self.wfile.write(page[:112])
                self.close_connection = True
            elif name == "redirect-loop":
                self.head(302, 0, [("Location", self.path)])
            elif name == "redirect-away":
                port = self.server.server_address[1]
                self.head(302, 0, [("Location", f"http://localhost:{port}{self.path}")])
            elif name == "gzip-bomb":
                body = gzip_bomb()
                self.head(200, len(body), [("Content-Encoding", "gzip")])
                self.wfile.write(body)
            elif name == "silent":
                while self.connection.recv(1024):
                    pass
            elif name in ("500", "503"):
                body = f"<html><body><h1>{name}</h1></body></html>".encode()
                self.head(int(name), len(body))
                self.wfile.write(body)
            elif name == "reset":
                self.head(200, len(page))
                self.wfile.write(page[:len(page) // 2])
                self.wfile.flush()
                self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                self.connection.close()

    return Handler


def point_settings(path, base):
    """Rewrites the three page addresses of bigSettings.ini to the server at base."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp932").split("\r\n")
    changed = []
    for i, line in enumerate(lines):
        key, sep, value = line.partition(" = ")
        if sep and key in ADDRESS_KEYS:
            parts = urlsplit(value)
            lines[i] = key + sep + urlunsplit(("http", base, parts.path, parts.query, ""))
            changed.append(lines[i])
    if len(changed) != len(ADDRESS_KEYS):
        sys.exit(f"{path}: not every page address was found; start QUDO once so that it writes the file")
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("cp932"))
    return changed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--port", type=int, default=8080)
    parser.add_argument("--site", default=SITE, help="folder holding site.tsv and the pages")
    parser.add_argument("--settings", help="bigSettings.ini to point at this server")
    parser.add_argument("--misbehave", choices=sorted(MISBEHAVIOURS),
                        help="answer every address with this misbehaviour")
    args = parser.parse_args()

    exact, fallback = load_site(args.site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port),
                                             handler_for(args.site, exact, fallback, args.misbehave))
    server.daemon_threads = True
    threading.Thread(target=gzip_bomb, daemon=True).start()
    base = f"127.0.0.1:{server.server_address[1]}"
    if args.settings:
        for line in point_settings(args.settings, base):
            print("set", line)
    print(f"Serving {len(exact)} pages of the stand-in official site on http://{base}/ (Ctrl+C ends)")
    for address in sorted(exact):
        print(f"  http://{base}{address}")
    for address in sorted(a for a in fallback if a.startswith("/download/")):
        print(f"  http://{base}{address}  (team-name update)")
    print(f"  http://{base}{HUGE_PAGE_PATH}  (made here: \"<a>\" just under 4 MiB)")
    if args.misbehave:
        print(f"Every address misbehaves: {MISBEHAVIOURS[args.misbehave][1]}")
    for name, (round_, what) in MISBEHAVIOURS.items():
        print(f"  round {round_} ({name}): {what}")
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
