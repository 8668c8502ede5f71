#!/usr/bin/env python3
"""Checks the manual that ships beside the program (manual/qudo.html).

Every anchor link must lead to an element of the page, every picture and
local link must exist, every picture in manual/images must be used and have
the size the page gives it, and the page must name every menu caption of the
main window (as shown, without the "&" of its access key) and the captions of
the pages' buttons. The menu captions are looked up in the program's sources
too, so that a renamed menu item cannot leave the manual behind.

    check_manual.py --manual DIR --sources DIR [--copy DIR]
    check_manual.py --self-test
"""

import argparse
import filecmp
import html
import os
import re
import struct
import sys
import tempfile
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

# Menu captions of the main window exactly as the program writes them.
MENU_CAPTIONS = [
    "ファイル(&F)", "新規作成(&N)", "開く(&O)...", "上書き保存(&S)", "名前を付けて保存(&A)...", "終了(&X)",
    "編集(&E)", "シングル並べ替え(S)", "１等推定金額", "２等推定金額", "３等推定金額",
    "ホーム勝ち", "その他", "アウェイ勝ち", "１番人気", "２番人気", "３番人気", "当せん数", "昇順で並べ替える",
    "重複シングル削除", "全てのシングルを選択", "全てのシングル選択を解除",
    "シングルを追加", "シングルを数値で追加", "選択シングルを削除",
    "表示(&V)", "ホーム(&H)", "シングル(&S)", "チェック(&C)", "シングル構成を％で表示",
    "ツール(&T)", "クリップボードにコピー", "買い目（１口が行）", "買い目（１口が列）", "クリップボードから取り込み",
    "収支履歴(&R)...",
    "ヘルプ(&H)", "オンラインマニュアル(&O)", "バージョン情報(&A)...",
    "中止",
]

# Buttons, check boxes and frames of the three pages the manual explains.
PAGE_CAPTIONS = [
    "開催情報", "投票状況", "くじ結果", "ダウンロード時に確認", "オフィシャルサイトよりダウンロード",
    "Quorvelよりダウンロード", "ユーザー定義", "海外チーム名", "販売スケジュールを確認する", "ソフトウェア情報",
    "Ａ組", "Ｂ組", "販売開始日：", "販売終了日：", "結果発表日：",
    "シングル総数：", "シングルページ：", "数値で追加", "並び替え",
    "次の結果を表示", "全ての結果を表示", "常に全ての結果を表示する", "当せん数順",
    "1-0-2マーク", "1-2-3番人気",
    "フォルダを選択...", "結果を一括ダウンロード", "CSVに保存...",
]

MAX_TOTAL_BYTES = 1_500_000


class PageParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = []
        self.links = []      # (tag, attribute value)
        self.images = []     # (src, width, height)
        self.text = []
        self.charset = None
        self._skip = 0

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.append(attrs["id"])
        if tag == "a" and "name" in attrs:
            self.ids.append(attrs["name"])
        if tag == "a" and attrs.get("href") is not None:
            self.links.append(attrs["href"])
        if tag == "img":
            self.images.append((attrs.get("src") or "", attrs.get("width"), attrs.get("height")))
        if tag == "meta" and attrs.get("charset"):
            self.charset = attrs["charset"]
        if tag in ("style", "script"):
            self._skip += 1

    def handle_endtag(self, tag):
        if tag in ("style", "script") and self._skip:
            self._skip -= 1

    def handle_data(self, data):
        if not self._skip:
            self.text.append(data)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def shown_caption(caption):
    """The caption as a menu shows it: the "&" of the access key is not drawn."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


def is_local(target):
    parts = urlsplit(target)
    return not parts.scheme and not parts.netloc


def check_manual(manual_dir, menu_captions=MENU_CAPTIONS, page_captions=PAGE_CAPTIONS):
    errors = []
    page_path = os.path.join(manual_dir, "qudo.html")
    try:
        with open(page_path, "rb") as f:
            raw = f.read()
    except OSError as error:
        return [f"cannot read {page_path}: {error}"]
    try:
        page = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        return [f"qudo.html is not UTF-8: {error}"]

    parser = PageParser()
    parser.feed(page)
    parser.close()
    if (parser.charset or "").lower() != "utf-8":
        errors.append("qudo.html does not declare <meta charset=\"UTF-8\">")

    seen = set()
    for anchor in parser.ids:
        if anchor in seen:
            errors.append(f"id used twice: {anchor}")
        seen.add(anchor)

    used_files = set()
    for target in parser.links:
        if target.startswith("#"):
            if unquote(target[1:]) not in seen:
                errors.append(f"anchor link leads nowhere: {target}")
        elif is_local(target):
            path = unquote(urlsplit(target).path)
            full = os.path.normpath(os.path.join(manual_dir, path))
            if not os.path.isfile(full):
                errors.append(f"linked file missing: {target}")
            used_files.add(full)
            fragment = urlsplit(target).fragment
            if fragment and os.path.normpath(full) == os.path.normpath(page_path) and fragment not in seen:
                errors.append(f"anchor link leads nowhere: {target}")

    for src, width, height in parser.images:
        if not src or not is_local(src):
            errors.append(f"picture not shipped with the manual: {src!r}")
            continue
        full = os.path.normpath(os.path.join(manual_dir, unquote(src)))
        used_files.add(full)
        if not os.path.isfile(full):
            errors.append(f"picture missing: {src}")
            continue
        size = png_size(full)
        if size is None:
            errors.append(f"picture is not a PNG file: {src}")
        elif (width, height) != (str(size[0]), str(size[1])):
            errors.append(f"picture {src} is {size[0]}x{size[1]}, the page says {width}x{height}")

    images_dir = os.path.join(manual_dir, "images")
    total = len(raw)
    if os.path.isdir(images_dir):
        for name in sorted(os.listdir(images_dir)):
            full = os.path.normpath(os.path.join(images_dir, name))
            total += os.path.getsize(full)
            if full not in used_files:
                errors.append(f"picture not used by the page: images/{name}")
    if total > MAX_TOTAL_BYTES:
        errors.append(f"manual takes {total} bytes, more than {MAX_TOTAL_BYTES}")

    text = html.unescape("".join(parser.text))
    for caption in menu_captions:
        if shown_caption(caption) not in text:
            errors.append(f"menu caption not explained: {shown_caption(caption)}")
    for caption in page_captions:
        if caption not in text:
            errors.append(f"page caption not explained: {caption}")
    return errors


def check_sources(sources_dir, menu_captions=MENU_CAPTIONS):
    """Every caption of the list is a text of the window's sources."""
    texts = ""
    for root, _dirs, files in os.walk(sources_dir):
        for name in files:
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(root, name), encoding="utf-8") as f:
                    texts += f.read()
    literals = set(re.findall(r'QStringLiteral\("((?:[^"\\]|\\.)*)"\)', texts))
    return [f"menu caption not in the program: {caption}" for caption in menu_captions if caption not in literals]


def check_copy(manual_dir, copy_dir):
    """The manual beside the built program is the manual of the sources."""
    errors = []
    for root, _dirs, files in os.walk(manual_dir):
        for name in files:
            source = os.path.join(root, name)
            copy = os.path.join(copy_dir, os.path.relpath(source, manual_dir))
            if not os.path.isfile(copy):
                errors.append(f"not beside the program: {os.path.relpath(copy, copy_dir)}")
            elif not filecmp.cmp(source, copy, shallow=False):
                errors.append(f"out of date beside the program: {os.path.relpath(copy, copy_dir)}")
    return errors


# ---------------------------------------------------------------- self test

PNG_2x3 = (b"\x89PNG\r\n\x1a\n" + struct.pack(">I", 13) + b"IHDR" + struct.pack(">II", 2, 3)
           + b"\x08\x02\x00\x00\x00" + b"\x00" * 4)


def write_manual(folder, body, images=("a.png",)):
    os.makedirs(os.path.join(folder, "images"), exist_ok=True)
    for name in images:
        with open(os.path.join(folder, "images", name), "wb") as f:
            f.write(PNG_2x3)
    with open(os.path.join(folder, "qudo.html"), "w", encoding="utf-8") as f:
        f.write('<!DOCTYPE html><html><head><meta charset="UTF-8"><style>.x{}</style></head><body>'
                + body + "</body></html>")


def self_test():
    good = ('<h2 id="a">開く(O)... と 並び替え</h2><a href="#a">上へ</a>'
            '<img src="images/a.png" width="2" height="3">')
    cases = [
        ("a sound page", good, ("a.png",), None),
        ("a dangling anchor", good + '<a href="#b">x</a>', ("a.png",), "anchor link leads nowhere: #b"),
        ("an id used twice", good + '<p id="a">x</p>', ("a.png",), "id used twice: a"),
        ("a missing picture", good + '<img src="images/b.png" width="2" height="3">', ("a.png",),
         "picture missing: images/b.png"),
        ("a picture of another size", good.replace('width="2"', 'width="20"'), ("a.png",),
         "picture images/a.png is 2x3, the page says 20x3"),
        ("an unused picture", good, ("a.png", "c.png"), "picture not used by the page: images/c.png"),
        ("a missing menu caption", good.replace("開く(O)...", ""), ("a.png",),
         "menu caption not explained: 開く(O)..."),
        ("a caption left with its &", good.replace("開く(O)...", "開く(&O)..."), ("a.png",),
         "menu caption not explained: 開く(O)..."),
        ("a caption only in the stylesheet", good.replace("並び替え", "") + "<style>並び替え</style>", ("a.png",),
         "page caption not explained: 並び替え"),
        ("a missing linked file", good + '<a href="other.html">x</a>', ("a.png",), "linked file missing: other.html"),
    ]
    failures = []
    for name, body, images, expected in cases:
        with tempfile.TemporaryDirectory() as folder:
            write_manual(folder, body, images)
            errors = check_manual(folder, ["開く(&O)..."], ["並び替え"])
        if expected is None and errors:
            failures.append(f"{name}: unexpected {errors}")
        if expected is not None and expected not in errors:
            failures.append(f"{name}: expected {expected!r}, got {errors}")

    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "Menus.cpp"), "w", encoding="utf-8") as f:
            f.write('addItem(file, QStringLiteral("mnuFile_Open"), QStringLiteral("開く(&O)..."));')
        if check_sources(folder, ["開く(&O)..."]):
            failures.append("a caption of the sources was not found")
        if check_sources(folder, ["閉じる(&C)"]) != ["menu caption not in the program: 閉じる(&C)"]:
            failures.append("a caption missing from the sources was not reported")

    with tempfile.TemporaryDirectory() as source, tempfile.TemporaryDirectory() as copy:
        write_manual(source, good)
        write_manual(copy, good + "old")
        if check_copy(source, copy) != ["out of date beside the program: qudo.html"]:
            failures.append("a stale copy beside the program was not reported")
        os.remove(os.path.join(copy, "images", "a.png"))
        if f"not beside the program: {os.path.join('images', 'a.png')}" not in check_copy(source, copy):
            failures.append("a picture missing beside the program was not reported")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(cases) + 4 - len(failures)} checks of the checker, {len(failures)} failed")
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--manual", help="the manual folder of the sources")
    parser.add_argument("--sources", help="the program's source folder (menu captions)")
    parser.add_argument("--copy", help="the manual folder beside the built program")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    if not args.manual or not args.sources:
        parser.error("--manual and --sources are needed")

    errors = check_manual(args.manual) + check_sources(args.sources)
    if args.copy:
        errors += check_copy(args.manual, args.copy)
    for error in errors:
        print("FAIL:", error)
    print(f"manual checked: {len(MENU_CAPTIONS)} menu captions, {len(PAGE_CAPTIONS)} page captions, "
          f"{len(errors)} faults")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
