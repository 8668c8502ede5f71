#!/usr/bin/env python3
"""Writes the files of the stand-in download server of the overseas team-name
update: version.dat and a TeamName2.dat newer than the one QUDO ships.

QUDO asks the maker's download server for /download/2021/version.dat and,
when it announces a newer TeamName2.dat, for that file. The maker's server
does not exist for QUDO yet, so serve.py answers those addresses with these
files (site.tsv maps them), and QUDO's update tests serve the same files.

Output (relative to the repository), windows-31j with CR LF like every
reference file:
    tests/data/official/quorvel/version.dat     TeamName2.dat = <version>
    tests/data/official/quorvel/TeamName2.dat   the shipped file with its
                                                revision raised and two
                                                clubs added

Run again after changing data/SysData/TeamName2.dat:

    python3 tools/official_site/make_update_files.py
"""

import os

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SHIPPED_TEAMNAME2 = os.path.join(REPO, "data", "SysData", "TeamName2.dat")
OUT = os.path.join(REPO, "tests", "data", "official", "quorvel")
ADDED = [";Added by the update", "ｸｵｰｳﾞｪﾙFC = クオーヴェルFC", "ﾃｽﾄｼﾃｨ = テストシティ"]


def newer_team_file():
    """The shipped file's lines with the revision raised and ADDED before [End]; and its version."""
    with open(SHIPPED_TEAMNAME2, "rb") as f:
        lines = f.read().decode("cp932").split("\r\n")
    version = revision = None
    for i, line in enumerate(lines):
        key, sep, value = line.partition("=")
        if sep and key.strip() == "Version":
            version = int(value)
        if sep and key.strip() == "Revision":
            revision = int(value) + 1
            lines[i] = f"Revision = {revision}"
    end = lines.index("[End]")
    lines[end:end] = ADDED + [""]
    return lines, f"{version}.{revision}"


def main():
    lines, version = newer_team_file()
    manifest = [
        ";Quorvel download versions (version.dat)",
        "// one entry per file: name = major.minor",
        "[Version]",
        f"TeamName2.dat = {version}",
        "[VersionEnd]",
        "",
    ]
    os.makedirs(OUT, exist_ok=True)
    for name, text in (("TeamName2.dat", "\r\n".join(lines)), ("version.dat", "\r\n".join(manifest))):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(text.encode("cp932"))
        print("wrote", os.path.relpath(os.path.join(OUT, name), REPO))


if __name__ == "__main__":
    main()
