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
"""

import argparse
import http.server
import os
import sys
from urllib.parse import urlsplit, urlunsplit

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


def handler_for(folder, exact, fallback):
    class Handler(http.server.BaseHTTPRequestHandler):
        server_version = "StandInOfficialSite/1.0"

        def do_GET(self):
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
    args = parser.parse_args()

    exact, fallback = load_site(args.site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port),
                                             handler_for(args.site, exact, fallback))
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
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
