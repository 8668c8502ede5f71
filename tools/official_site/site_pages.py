"""The stand-in site's pages: UTF-8 HTML documents with a head, scripts,
styles, navigation, comments and tables, with the headings and labels where
QUDO's page readers look for them."""

import random
from decimal import Decimal, ROUND_HALF_UP

from site_data import ROUNDS, RESULTS, VOTES, short

# ---------------------------------------------------------------------------
# Page frame
# ---------------------------------------------------------------------------
def page(title, crumb, main):
    return f"""<!DOCTYPE html>
<!-- Stand-in page for QUDO's download tests: modelled on the official lottery site, not copied from it. -->
<html lang="ja">
<head>
<meta charset="UTF-8">
<meta http-equiv="X-UA-Compatible" content="IE=edge">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}｜スポーツくじオフィシャルサイト</title>
<link rel="stylesheet" href="/dcs/subos/css/common.css?v=20240301">
<link rel="stylesheet" href="/dcs/subos/css/kuji.css?v=20240301">
<style>
table.tbl-basic {{ border-collapse: collapse; width: 100%; }}
table.tbl-basic th, table.tbl-basic td {{ border: 1px solid #c8c8c8; padding: 4px 6px; }}
.txt-vs {{ color: #999; font-weight: bold; }}
.txt-stop {{ color: #c00; font-weight: bold; }}
</style>
<script src="/dcs/subos/js/jquery-3.6.0.min.js"></script>
<script src="/dcs/subos/js/common.js?v=20240301"></script>
<script>
window.dataLayer = window.dataLayer || [];
function gtag(){{dataLayer.push(arguments);}}
gtag('js', new Date());
</script>
</head>
<body id="subos" class="pc">
<!-- ===== header ===== -->
<div id="header">
  <div class="header-inner">
    <p class="logo"><a href="/dcs/subos/screen/pc01/spin000/PGSPIN00001DisptopLoginAfter.form"><img src="/dcs/subos/img/common/logo.png" alt="スポーツくじオフィシャルサイト"></a></p>
    <ul class="header-util">
      <li><a href="/dcs/subos/screen/pm01/spmm001/PGSPMM00101Login.form">ログイン</a></li>
      <li><a href="/dcs/subos/screen/pm02/spmm002/PGSPMM00201Entry.form">新規会員登録</a></li>
    </ul>
  </div>
  <ul id="gnav">
    <li><a href="/toto/">toto</a></li>
    <li><a href="/minitoto/">mini toto</a></li>
    <li><a href="/big/">BIG</a></li>
    <li><a href="/result/">くじ結果</a></li>
    <li><a href="/info/">くじ情報</a></li>
  </ul>
</div>
<!-- ===== /header ===== -->
<div id="breadcrumb"><a href="/">トップ</a> &gt; <a href="/info/">くじ情報</a> &gt; <span>{crumb}</span></div>
<div id="contents">
<!-- メインコンテンツ -->
<div id="main">
{main}
</div>
<!-- /メインコンテンツ -->
<div id="side">
  <ul class="side-menu">
    <li><a href="/schedule/">販売スケジュール</a></li>
    <li><a href="/refund/">払戻について</a></li>
    <li><a href="/faq/">よくあるご質問</a></li>
  </ul>
</div>
</div>
<div id="pagetop"><a href="#header">ページの先頭へ</a></div>
<!-- ===== footer ===== -->
<div id="footer">
  <ul class="footer-nav">
    <li><a href="/sitepolicy/">サイトポリシー</a></li>
    <li><a href="/privacy/">個人情報保護方針</a></li>
    <li><a href="/sitemap/">サイトマップ</a></li>
  </ul>
  <p class="copyright">Copyright &#169; スポーツくじオフィシャルサイト（テスト用の代替ページ） All Rights Reserved.</p>
</div>
<script>
$(function () {{
  if ($(window).width() < 768 && $('#gnav li').length > 0) {{ $('#gnav').addClass('sp'); }}
}});
</script>
</body>
</html>
"""


def not_available(title, crumb, message):
    return page(title, crumb, f"""<div class="box-error">
  <p class="txt-error">{message}</p>
  <p>開催回をご確認のうえ、もう一度お試しください。</p>
  <p><a href="/info/">くじ情報トップへ戻る</a></p>
</div>""")


# ---------------------------------------------------------------------------
# Designated-match page (BIG)
# ---------------------------------------------------------------------------
def schedule_page(number, notice=None, payout_first=False):
    r = ROUNDS[number]
    rows = []
    for no, g in enumerate(r["matches"], 1):
        vs = '<span class="txt-stop">中止</span>' if g["status"] == "中止" else '<span class="txt-vs">VS</span>'
        rows.append(f"""<tr>
  <td class="no">{no}</td>
  <td class="day">{g["day"]}</td>
  <td class="time">{g["time"]}</td>
  <td class="stadium">{g["stadium"]}</td>
  <td class="home">{g["home"]}</td>
  <td class="vs">{vs}</td>
  <td class="away">{g["away"]}</td>
</tr>""")
    payout = f"""<h3 class="ttl-sub">払戻について</h3>
<table class="tbl-basic tbl-refund">
  <tr><th>払戻開始日</th><td>{r["refund_start"]}</td></tr>
  <tr><th>払戻期限</th><td>{r["refund_end"]}</td></tr>
</table>"""
    notice_html = f'<p class="txt-attention">{notice}</p>\n' if notice else ""
    body = f"""<h2 class="ttl-kuji">第{number}回 BIGくじ指定試合</h2>
{notice_html}<!-- 販売期間 -->
<table class="tbl-basic tbl-term">
  <tr><th>販売開始日</th><td>{r["sale_start"]}</td></tr>
  <tr><th>販売終了日</th><td>{r["sale_end"]}</td></tr>
  <tr><th>結果発表日</th><td>{r["result_date"]}</td></tr>
</table>
{payout if payout_first else ""}
<h3 class="ttl-sub">指定試合一覧</h3>
<p class="txt-note">BIGは、コンピュータがランダムに選択した指定試合の結果で当せんが決まります。</p>
<table class="tbl-basic tbl-assign">
<thead>
<tr><th>No.</th><th>開催日</th><th>試合開始時刻</th><th>競技場</th><th>ホーム</th><th></th><th>アウェイ</th></tr>
</thead>
<tbody>
<!-- <tr><td>1</td><td>旧レイアウト</td></tr> -->
{chr(10).join(rows)}
</tbody>
</table>
<p class="txt-note">※試合開始時刻、競技場は変更となる場合があります。</p>
{"" if payout_first else payout}"""
    return page(f"第{number}回 BIGくじ指定試合", "BIGくじ指定試合", body)


# ---------------------------------------------------------------------------
# toto vote-status page
# ---------------------------------------------------------------------------
def amount(n):
    return f"{n:,}"


def vote_counts(number, no):
    rnd = random.Random(number * 100 + no)
    total = rnd.randint(1_800_000, 2_600_000)
    w = [rnd.uniform(1, 6), rnd.uniform(1, 4), rnd.uniform(1, 6)]
    s = sum(w)
    win = int(total * w[0] / s)
    draw = int(total * w[1] / s)
    loss = total - win - draw
    return [win, draw, loss]


def rate(count, total):
    return (Decimal(count) * 100 / Decimal(total)).quantize(Decimal("0.01"), ROUND_HALF_UP)


def toto_matches(number):
    """The 13 toto matches: (no, home, away, day, time, counts, cancelled)."""
    v = VOTES[number]
    big = ROUNDS[number]["matches"]
    out = []
    for no, entry in enumerate(v["toto"], 1):
        if isinstance(entry, int):
            g = big[entry - 1]
            home, away, day, time = short(g["home"]), short(g["away"]), g["day"], g["time"]
            written = (spelled(v, home, g["home"]), spelled(v, away, g["away"]))
        else:
            home, away = entry
            day, time = big[-1]["day"], "19:00" if number == 1478 else "15:00"
            written = entry
        out.append(dict(no=no, home=home, away=away, day=day, time=time, written=written,
                        counts=vote_counts(number, no), cancelled=no in v["cancelled"]))
    return out


def spelled(v, short_name, official):
    """A club as the vote page writes it: its short name, its official name,
    or the page's own spelling."""
    spelling = v.get("spelling")
    if spelling == "official":
        return official
    return (spelling or {}).get(short_name, short_name)


def vote_page(number):
    v = VOTES[number]
    r = ROUNDS[number]
    matches = toto_matches(number)
    # Rows grouped by day and kick-off: the day and time cells span the group.
    rows = []
    i = 0
    while i < len(matches):
        j = i
        while j < len(matches) and (matches[j]["day"], matches[j]["time"]) == (matches[i]["day"], matches[i]["time"]):
            j += 1
        for k in range(i, j):
            t = matches[k]
            counts = t["counts"]
            total = sum(counts)
            cells = "".join(f'<td class="vote">{v.get("oversized") or amount(c)}<br>({rate(c, total)}%)</td>'
                            for c in counts)
            no = f'中止<br>{t["no"]}' if t["cancelled"] else str(t["no"])
            span = f' rowspan="{j - i}"' if j - i > 1 else ""
            lead = (f'<td class="day"{span}>{t["day"]}</td><td class="time"{span}>{t["time"]}</td>'
                    if k == i else "")
            rows.append(f'<tr>{lead}<td class="no">{no}</td><td class="home">{t["written"][0]}</td>{cells}<td class="away">{t["written"][1]}</td></tr>')
        i = j

    rnd = random.Random(number)
    units = [rnd.randint(9_000_000, 11_000_000)]
    units += [units[0] * 6 // 10, units[0] - units[0] * 6 // 10]
    sheets = [rnd.randint(1_500_000, 2_000_000)]
    sheets += [sheets[0] // 4, sheets[0] - sheets[0] // 4]
    sales = [u * 100 for u in units]
    body = f"""<h2 class="ttl-kuji">第{number}回 toto 投票状況</h2>
<p class="txt-time">{v["stamp"]}</p>
<!-- 売上 -->
<table class="tbl-basic tbl-sales">
  <tr><th></th><th>合計</th><th>マルチ</th><th>シングル</th></tr>
  <tr><th>売上金額</th><td>{amount(sales[0])}円</td><td>{amount(sales[1])}円</td><td>{amount(sales[2])}円</td></tr>
  <tr><th>投票口数</th><td>{amount(units[0])}口</td><td>{amount(units[1])}口</td><td>{amount(units[2])}口</td></tr>
  <tr><th>投票枚数</th><td>{amount(sheets[0])}枚</td><td>{amount(sheets[1])}枚</td><td>{amount(sheets[2])}枚</td></tr>
</table>
<table class="tbl-basic tbl-term">
  <tr><th>販売期間</th><td>{v["period"]}</td></tr>
  <tr><th>結果発表日</th><td>{r["result_date"]}</td></tr>
  <tr><th>払戻開始日</th><td>{r["refund_start"]}</td></tr>
  <tr><th>払戻期限</th><td>{r["refund_end"]}</td></tr>
</table>
<h3 class="ttl-sub">投票率</h3>
<table class="tbl-basic tbl-vote">
<thead>
<tr><th>開催日</th><th>試合開始時刻</th><th>No.</th><th>ホーム</th><th>1<br>(ホーム勝ち)</th><th>0<br>(その他)</th><th>2<br>(ホーム負け)</th><th>アウェイ</th></tr>
</thead>
<tbody>
{chr(10).join(rows)}
</tbody>
</table>
<p class="txt-note">※中止となった試合は、全ての予想が的中となります。</p>
<p class="txt-note">※投票状況は一定時間ごとに更新されます。</p>"""
    return page(f"第{number}回 toto 投票状況", "toto投票状況", body)


# ---------------------------------------------------------------------------
# Result list page (BIG family)
# ---------------------------------------------------------------------------
GRADE = ["1等", "2等", "3等", "4等", "5等", "6等"]


def outcome(score):
    if score == "中止":
        return "*"
    h, a = (int(x) for x in score.split("-"))
    return "1" if h > a else "0" if h == a else "2"


def result_rows(pairs, scores):
    rows = []
    for no, ((home, away), score) in enumerate(zip(pairs, scores), 1):
        shown = '<span class="txt-stop">中止</span>' if score == "中止" else score.replace("-", " - ")
        rows.append(f'<tr><td class="no">{no}</td><td class="home">{home}</td><td class="score">{shown}</td>'
                    f'<td class="away">{away}</td><td class="mark">{outcome(score)}</td></tr>')
    return "\n".join(rows)


def prize_table(prizes):
    rows = "\n".join(f"  <tr><th>{GRADE[i]}</th><td>{p}</td><td>{w}</td><td>{c}</td></tr>"
                     for i, (p, w, c) in enumerate(prizes))
    return f"""<table class="tbl-basic tbl-prize">
  <tr><th>等級</th><th>当せん金</th><th>当せん口数</th><th>次回への繰越金</th></tr>
{rows}
</table>"""


def big_block(number, res, pairs):
    sales = ""
    if res.get("sales"):
        s = res["sales"]
        sales = f"""<table class="tbl-basic tbl-sales">
  <tr><th>売上金額</th><th>投票口数</th><th>投票枚数</th></tr>
  <tr><td>{s[0]}</td><td>{s[1]}</td><td>{s[2]}</td></tr>
</table>
"""
    else:
        sales = '<p class="txt-note">売上金額等は集計中です。</p>\n'
    d, f = res["dates"], res["refund"]
    return f"""<div class="result-block" id="big">
<h2 class="ttl-kuji">第{number}回 BIGくじ結果</h2>
<p class="txt-note">※100円BIGの当せん金は、下の100円BIGくじ結果をご覧ください。</p>
{prize_table(res["prizes"])}
{sales}<table class="tbl-basic tbl-term">
  <tr><th>販売開始日</th><th>販売終了日</th><th>結果発表日</th></tr>
  <tr><td>{d[0]}</td><td>{d[1]}</td><td>{d[2]}</td></tr>
</table>
<table class="tbl-basic tbl-refund">
  <tr><th>払戻開始日</th><th>払戻期限</th></tr>
  <tr><td>{f[0]}</td><td>{f[1]}</td></tr>
</table>
<h3 class="ttl-sub">試合結果</h3>
<table class="tbl-basic tbl-result">
  <tr><th>No.</th><th>ホーム</th><th>スコア</th><th>アウェイ</th><th>くじ結果</th></tr>
{result_rows(pairs, res["scores"])}
</table>
</div>"""


def other_block(number, product, anchor, count, prizes, pairs, scores):
    return f"""<div class="result-block" id="{anchor}">
<h2 class="ttl-kuji">第{number}回 {product}くじ結果</h2>
{prize_table(prizes)}
<table class="tbl-basic tbl-result">
  <tr><th>No.</th><th>ホーム</th><th>スコア</th><th>アウェイ</th><th>くじ結果</th></tr>
{result_rows(pairs[:count], scores[:count])}
</table>
</div>"""


def tabs():
    return """<ul class="tab-product">
  <li><a href="#mini">mini BIG</a></li>
  <li><a href="#big">BIG</a></li>
  <li><a href="#big1000">BIG1000</a></li>
  <li><a href="#big100">100円BIG</a></li>
</ul>"""


def result_page(number):
    res = RESULTS[number]
    pairs = res.get("teams") or [(short(g["home"]), short(g["away"])) for g in ROUNDS[number]["matches"]]
    blocks = []
    if res["others"]:
        blocks.append(other_block(number, "mini BIG", "mini", 9,
                                  [("1,000,000円", "12口", "0円"), ("20,000円", "340口", "0円"),
                                   ("2,000円", "5,120口", "0円")], pairs, res["scores"]))
    blocks.append(big_block(number, res, pairs))
    if res["others"]:
        blocks.append(other_block(number, "BIG1000", "big1000", 11,
                                  [("10,000,000円", "3口", "0円"), ("54,300円", "81口", "0円")],
                                  pairs, res["scores"]))
        blocks.append(other_block(number, "100円BIG", "big100", 14,
                                  [("200,000,000円", "0口", "200,000,000円"), ("790,000円", "37口", "0円")],
                                  pairs, res["scores"]))
    body = (tabs() + "\n" if res["others"] else "") + "\n".join(blocks)
    return page(f"第{number}回 くじ結果", "くじ結果", body)


def result_page_old():
    """Round 421 (2009): four prize grades."""
    pairs = [("鹿島", "大宮"), ("浦和", "京都"), ("柏", "山形"), ("千葉", "Ｆ東京"),
             ("川崎Ｆ", "清水"), ("横浜Ｍ", "磐田"), ("新潟", "名古屋"), ("Ｇ大阪", "神戸"),
             ("広島", "大分"), ("仙台", "甲府"), ("湘南", "Ｃ大阪"), ("福岡", "鳥栖"),
             ("札幌", "東京Ｖ"), ("水戸", "草津")]
    res = dict(prizes=[("0円", "0口", "812,345,600円"), ("1,530,600円", "38口", "0円"),
                       ("42,700円", "1,402口", "0円"), ("3,100円", "19,877口", "0円")],
               sales=("893,456,700円", "2,978,189口", "802,441枚"),
               dates=("2009年5月11日（月）", "2009年5月16日（土）", "2009年5月18日（月）"),
               refund=("2009年5月19日（火）", "2010年5月18日（火）"),
               scores=["1-1", "2-0", "3-2", "0-1", "1-2", "2-2", "1-0", "4-1", "0-0", "2-1",
                       "1-1", "0-3", "1-0", "2-2"])
    return page("第421回 くじ結果", "くじ結果", big_block(421, res, pairs)), pairs, res


def result_page_cancelled():
    """Round 1162: the lottery was called off."""
    pairs = [(short(g["home"]), short(g["away"])) for g in ROUNDS[1162]["matches"]]
    rows = result_rows(pairs, ["中止"] * 14)
    body = f"""<div class="result-block" id="big">
<h2 class="ttl-kuji">第1162回 BIGくじ結果</h2>
<p class="txt-attention">くじは中止になりました。</p>
<p class="txt-note">購入されたくじは返還いたします。返還方法は「払戻について」をご覧ください。</p>
<table class="tbl-basic tbl-result">
  <tr><th>No.</th><th>ホーム</th><th>スコア</th><th>アウェイ</th><th>くじ結果</th></tr>
{rows}
</table>
</div>"""
    return page("第1162回 くじ結果", "くじ結果", body), pairs
