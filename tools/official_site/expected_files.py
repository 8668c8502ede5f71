"""The round files QUDO is expected to keep after downloading the stand-in
pages, written from their documented layouts (windows-31j, CR LF),
independent of QUDO's own writers."""

import os
import re
from decimal import Decimal

from site_data import ROUNDS, VOTES, short
from site_pages import outcome, rate, toto_matches

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(REPO, "tests", "data", "official")


# ---------------------------------------------------------------------------
# Expected round files (layouts of the schedule, vote and result files)
# ---------------------------------------------------------------------------
def write_xml(name, lines, folder="expected"):
    path = os.path.join(OUT, folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def leaf(name, value):
    return f"<{name}>{value}</{name}>"


def ymd(text):
    """'2024年3月9日（土）' -> '2024/03/09'."""
    y, rest = text.split("年", 1)
    mo, rest = rest.split("月", 1)
    d = rest.split("日", 1)[0]
    return f"{int(y):04d}/{int(mo):02d}/{int(d):02d}"


def hms(text):
    """The last 'H:MM' of a text as 'H:MM:00'."""
    hh, mm = text.rsplit(":", 1)
    hh = "".join(ch for ch in hh[-2:] if ch.isdigit())
    return f"{int(hh)}:{mm[:2]}:00"


def ymd_hms(text):
    return f"{ymd(text)} {hms(text)}"


def money(text):
    digits = "".join(ch for ch in text if ch.isdigit() or ch == ".")
    value = Decimal(digits)
    s = format(value.normalize(), "f")
    return s


def expected_schedule(number, cancelled=False):
    r = ROUNDS[number]
    lines = ['<?xml version="1.0" encoding="Shift_JIS"?>',
             '<?xml-stylesheet type="text/xsl" href="big_schedule.xsl"?>', "<BIG>", "<開催>",
             leaf("開催回", number)]
    for no, g in enumerate(r["matches"], 1):
        mo, d = g["day"].split("/")
        lines += ["<指定試合>", leaf("番号", no),
                  leaf("試合開催日", f"{r['year']:04d}/{int(mo):02d}/{int(d):02d}"),
                  leaf("試合開始予定時間", hms(g["time"])), leaf("競技場", g["stadium"]),
                  leaf("状態", g["status"]), leaf("ホーム", short(g["home"])),
                  leaf("アウェイ", short(g["away"])), "</指定試合>"]
    lines += [leaf("販売開始日", ymd_hms(r["sale_start"])), leaf("販売終了日", ymd_hms(r["sale_end"]))]
    lines.append(leaf("開催状態", "中止") if cancelled else leaf("結果発表日", ymd(r["result_date"])))
    lines += ["</開催>", "</BIG>"]
    write_xml(f"big_schedule_{number}.xml", lines)


def stamp_time(stamp):
    """'(2025年04月15日（火）20時40分時点)' -> '2025/04/15 20:40:00'."""
    found = re.match(r"[(（](\d{4})年(\d{1,2})月(\d{1,2})日(?:[(（].[)）])?(?:(\d{1,2})[:：時](\d{1,2})分?)?",
                     stamp.replace(" ", ""))
    y, mo, d, hh, mm = found.groups()
    return f"{int(y):04d}/{int(mo):02d}/{int(d):02d} {int(hh or 0)}:{int(mm or 0):02d}:00"


def expected_vote(number):
    r = ROUNDS[number]
    v = VOTES[number]
    toto = toto_matches(number)
    # A final status is dated at the end of sales, an earlier one by its stamp.
    final = "販売終了時点" in v["stamp"]
    taken = ymd_hms(v["period"].split("～", 1)[1]) if final else stamp_time(v["stamp"])
    lines = ['<?xml version="1.0" encoding="Shift_JIS"?>',
             '<?xml-stylesheet type="text/xsl" href="big_vote.xsl"?>', "<BIG>", "<投票状況>",
             leaf("開催回", number), leaf("販売終了時点", taken)]
    for no, g in enumerate(r["matches"], 1):
        mo, d = g["day"].split("/")
        home, away = short(g["home"]), short(g["away"])
        found = next((t for t in toto if t["home"] == home and t["away"] == away), None)
        counts = found["counts"] if found else [0, 0, 0]
        total = sum(counts)
        shares = {1: counts[0], 0: counts[1], 2: counts[2]}
        lines += ["<指定試合>", leaf("番号", no),
                  leaf("試合開催日", f"{r['year']:04d}/{int(mo):02d}/{int(d):02d}"),
                  leaf("試合開始予定時間", hms(g["time"])), leaf("ホーム", home), leaf("アウェイ", away)]
        for index, tag in ((0, "その他"), (1, "ホーム勝ち"), (2, "ホーム負け")):
            c = shares[index]
            lines += [f"<{tag}>", leaf("投票口数", c),
                      leaf("投票率", money(str(rate(c, total))) if total else 0), f"</{tag}>"]
        lines.append("</指定試合>")
    lines += ["</投票状況>", "</BIG>"]
    write_xml(f"big_vote_{number}.xml", lines)


def expected_result(number, pairs, res, grades, cancelled=False):
    lines = ['<?xml version="1.0" encoding="Shift_JIS"?>',
             '<?xml-stylesheet type="text/xsl" href="big_result.xsl"?>', "<BIG>", "<結果>",
             leaf("開催回", number)]
    for no, ((home, away), score) in enumerate(zip(pairs, res["scores"]), 1):
        if score == "中止":
            out, h, a = 3, 0, 0
        else:
            h, a = (int(x) for x in score.split("-"))
            out = int(outcome(score))
        lines += ["<指定試合>", leaf("番号", no), leaf("くじ結果", out), leaf("ホーム", home),
                  leaf("アウェイ", away), leaf("ホーム得点", h), leaf("アウェイ得点", a), "</指定試合>"]
    if cancelled:
        lines += [leaf("開催状態", "中止"), leaf("返還確定日", "0:00:00"), leaf("返還開始日", "0:00:00"),
                  leaf("返還期限", "0:00:00")]
    else:
        names = ["一等", "二等", "三等", "四等", "五等", "六等"]
        for group, col in (("当せん金", 0), ("当せん口数", 1), ("次回への繰越金", 2)):
            lines.append(f"<{group}>")
            lines += [leaf(names[i], money(res["prizes"][i][col])) for i in range(grades)]
            lines.append(f"</{group}>")
        d, f = res["dates"], res["refund"]
        lines += [leaf("販売開始日", ymd(d[0])), leaf("販売終了日", ymd(d[1])), leaf("結果発表日", ymd(d[2])),
                  leaf("払戻開始日", ymd(f[0])), leaf("払戻期限", ymd(f[1]))]
        lines += [leaf("売上金額", money(res["sales"][0])), leaf("投票口数", money(res["sales"][1])),
                  leaf("投票枚数", money(res["sales"][2]))]
    lines += ["</結果>", "</BIG>"]
    write_xml(f"big_result_{number}.xml", lines)
