"""Rounds of the stand-in site that show what real users meet: pages written
the way the official site writes them, and damaged pages and round files.
site_data.py merges them into the tables of the others; make_pages.py
writes their pages.

    1482  overseas round: kick-offs at 0:00 on both pages, the vote page names
          the clubs in full-width katakana, final stamp without a time
          "(2024年12月14日販売終了時点)"
    1483  J.League round: the vote page writes the names its own way (FC東京,
          横浜FM, 横浜FC, Ｇ大阪, 川崎Ｆ), final stamp "…（土）12時50分販売終了時点"
    1484  the same clubs in midweek: stamp "(2025年04月15日（火）20時40分時点)"
          taken during sales, and one toto match against a club no team-name
          file knows (its BIG match keeps zero shares, the log names the club)
    1485  result page whose first home team is written 鹿島&lt;B&gt;
    1486  vote page whose counts are all far too large for any amount
    1487  (served by serve.py only) a page of "<a>" just under the body cap

Damaged round files to copy into SysData (see README):
    damaged/SysData/BIG_Schedule/big_schedule_1478.xml  closing tags out of order
    damaged/SysData/BIG_Result/big_result_1478.xml      100,000 spaces after a date
"""


def m(day, time, stadium, home, away, status="VS"):
    return dict(day=day, time=time, stadium=stadium, home=home, away=away, status=status)


# Official name -> short name, for the clubs these rounds add.
SHORT = {
    "ＦＣ東京": "ＦＣ東京",
    "横浜Ｆ・マリノス": "横浜Ｍ",
    "横浜ＦＣ": "横浜ＦＣ",
    "ガンバ大阪": "Ｇ大阪",
    "セレッソ大阪": "Ｃ大阪",
    "川崎フロンターレ": "川崎Ｆ",
    "ＦＣ町田ゼルビア": "町田",
    "東京ヴェルディ": "東京Ｖ",
    "京都サンガＦ．Ｃ．": "京都",
    "いわきＦＣ": "いわき",
    # Overseas clubs: the short names of TeamName2.dat are half-width katakana.
    "アーセナル": "ｱｰｾﾅﾙ",
    "アストン・ヴィラ": "ｱｽﾄﾝV",
    "ボーンマス": "ﾎﾞｰﾝﾏｽ",
    "ブレントフォード": "ﾌﾞﾚﾝﾄ",
    "ブライトン": "ﾌﾞﾗｲﾄﾝ",
    "チェルシー": "ﾁｪﾙｼｰ",
    "クリスタル・パレス": "ｸﾘｽﾀﾙ",
    "エヴァートン": "ｴﾊﾞｰﾄﾝ",
    "フラム": "ﾌﾗﾑ",
    "イプスウィッチ・タウン": "ｲﾌﾟｽ",
    "レスター・シティ": "ﾚｽﾀｰ",
    "リヴァプール": "ﾘﾊﾞﾌﾟｰ",
    "マンチェスター・シティ": "ﾏﾝC",
    "マンチェスター・ユナイテッド": "ﾏﾝU",
    "ニューカッスル": "ﾆｭｰｶｯｽ",
    "ノッティンガム・フォレスト": "ﾌｫﾚｽﾄ",
    "サウサンプトン": "ｻｳｻﾝﾌﾟ",
    "トッテナム": "ﾄｯﾃﾅﾑ",
    "ウェストハム": "ｳｪｽﾄﾊﾑ",
    "ウォルヴァーハンプトン": "ｳﾙﾌﾞｽ",
    "リーズ・ユナイテッド": "ﾘｰｽﾞ",
    "バーンリー": "ﾊﾞｰﾝﾘｰ",
    "サンダーランド": "ｻﾝﾀﾞｰ",
    "ストーク・シティ": "ｽﾄｰｸ",
    "ミドルスブラ": "ﾐﾄﾞﾙｽ",
    "ワトフォード": "ﾜﾄﾌｫｰ",
    "ノリッジ・シティ": "ﾉﾘｯｼﾞ",
    "ハル・シティ": "ﾊﾙ",
}

# The names the toto vote page writes for J.League clubs where they are not
# the short names.
TOTO_SPELLING = {
    "ＦＣ東京": "FC東京",
    "横浜Ｍ": "横浜FM",
    "横浜ＦＣ": "横浜FC",
    "東京Ｖ": "東京V",
    "Ｃ大阪": "C大阪",
}

J_MATCHES_1483 = [
    ("4/12", "14:00", "味スタ", "ＦＣ東京", "横浜Ｆ・マリノス"),
    ("4/12", "14:00", "ニッパツ", "横浜ＦＣ", "ガンバ大阪"),
    ("4/12", "15:00", "Ｕ等々力", "川崎フロンターレ", "セレッソ大阪"),
    ("4/12", "14:00", "Ｇスタ", "ＦＣ町田ゼルビア", "東京ヴェルディ"),
    ("4/12", "14:00", "サンガＳ", "京都サンガＦ．Ｃ．", "鹿島アントラーズ"),
    ("4/12", "16:00", "埼玉", "浦和レッズ", "柏レイソル"),
    ("4/12", "14:00", "レモンＳ", "湘南ベルマーレ", "名古屋グランパス"),
    ("4/13", "13:00", "デンカＳ", "アルビレックス新潟", "ヴィッセル神戸"),
    ("4/13", "14:00", "ベススタ", "アビスパ福岡", "サンフレッチェ広島"),
    ("4/13", "14:00", "アイスタ", "清水エスパルス", "ファジアーノ岡山"),
    ("4/13", "14:00", "ユアスタ", "ベガルタ仙台", "モンテディオ山形"),
    ("4/13", "13:00", "フクアリ", "ジェフユナイテッド千葉", "ヴァンフォーレ甲府"),
    ("4/13", "14:00", "ＰＳスタ", "Ｖ・ファーレン長崎", "大分トリニータ"),
    ("4/13", "14:00", "鳴門大塚", "徳島ヴォルティス", "いわきＦＣ"),
]

ROUNDS = {
    1482: dict(
        year=2024,
        sale_start="2024年12月9日（月）10:00", sale_end="2024年12月14日（土）12:50",
        result_date="2024年12月16日（月）", refund_start="2024年12月17日（火）",
        refund_end="2025年12月16日（火）",
        matches=[
            m("12/15", "0:00", "エミレーツ", "アーセナル", "エヴァートン"),
            m("12/15", "0:00", "ヴィラ・パーク", "アストン・ヴィラ", "ノッティンガム・フォレスト"),
            m("12/15", "0:00", "ヴァイタリティ", "ボーンマス", "ウェストハム"),
            m("12/15", "0:00", "Ｇテク", "ブレントフォード", "ウォルヴァーハンプトン"),
            m("12/15", "0:00", "ＡＭＥＸ", "ブライトン", "クリスタル・パレス"),
            m("12/15", "2:30", "スタンフォード", "チェルシー", "フラム"),
            m("12/15", "23:00", "ポートマン", "イプスウィッチ・タウン", "レスター・シティ"),
            m("12/16", "1:30", "アンフィールド", "リヴァプール", "サウサンプトン"),
            m("12/16", "1:30", "エティハド", "マンチェスター・シティ", "マンチェスター・ユナイテッド"),
            m("12/16", "4:00", "セントジェ", "ニューカッスル", "トッテナム"),
            m("12/15", "0:00", "エランド", "リーズ・ユナイテッド", "ミドルスブラ"),
            m("12/15", "0:00", "ターフ", "バーンリー", "ストーク・シティ"),
            m("12/15", "0:00", "スタジアム", "サンダーランド", "ワトフォード"),
            m("12/15", "0:00", "キャロウ", "ノリッジ・シティ", "ハル・シティ"),
        ],
    ),
    1483: dict(
        year=2025,
        sale_start="2025年4月7日（月）10:00", sale_end="2025年4月12日（土）12:50",
        result_date="2025年4月14日（月）", refund_start="2025年4月15日（火）",
        refund_end="2026年4月14日（火）",
        matches=[m(*row) for row in J_MATCHES_1483],
    ),
    1484: dict(
        year=2025,
        sale_start="2025年4月14日（月）10:00", sale_end="2025年4月16日（水）18:20",
        result_date="2025年4月17日（木）", refund_start="2025年4月18日（金）",
        refund_end="2026年4月17日（金）",
        matches=[m("4/16", "19:00", stadium, home, away) for _, _, stadium, home, away in J_MATCHES_1483],
    ),
}

VOTES = {
    # Kick-offs at 0:00 and the clubs in full-width katakana.
    1482: dict(
        stamp="(2024年12月14日販売終了時点)",
        period="2024年12月9日（月）10:00～2024年12月14日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13],
        cancelled=[],
        spelling="official",
    ),
    # Every toto match is a BIG match, the names written toto's way.
    1483: dict(
        stamp="(2025年04月12日（土）12時50分販売終了時点)",
        period="2025年4月7日（月）10:00～2025年4月12日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13],
        cancelled=[],
        spelling=TOTO_SPELLING,
    ),
    # Taken during sales; toto match 13 names a club no file knows.
    1484: dict(
        stamp="(2025年04月15日（火）20時40分時点)",
        period="2025年4月14日（月）10:00～2025年4月16日（水）18:20",
        toto=[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, ("長崎", "クオーヴェル架空ユナイテッド")],
        cancelled=[],
        spelling=TOTO_SPELLING,
    ),
    # Round 1478 again, with every count far beyond any amount.
    1486: dict(
        stamp="(2024年3月9日 13:00 販売終了時点)",
        period="2024年3月4日（月）10:00～2024年3月9日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13],
        cancelled=[],
        oversized="99,999,999,999,999,999,999",
    ),
}

# Round 1478's result, its first home team written with entities.
RESULT_1485_FIRST_HOME = "鹿島&lt;B&gt;"
RESULT_1485_FIRST_HOME_KEPT = "鹿島＜B＞"


def damaged_schedule():
    """A schedule file whose closing tags are out of order."""
    return ['<?xml version="1.0" encoding="Shift_JIS"?>',
            '<?xml-stylesheet type="text/xsl" href="big_schedule.xsl"?>', "<BIG>", "<開催>",
            "<開催回>1478</開催回>", "<指定試合>", "<番号>1</番号>", "</開催>", "</指定試合>", "</BIG>"]


def damaged_result():
    """A result file whose sales start date is followed by 100,000 spaces and a letter."""
    return ['<?xml version="1.0" encoding="Shift_JIS"?>',
            '<?xml-stylesheet type="text/xsl" href="big_result.xsl"?>', "<BIG>", "<結果>",
            "<開催回>1478</開催回>", "<販売開始日>2024/03/04" + " " * 100000 + "x</販売開始日>",
            "</結果>", "</BIG>"]


# The page of serve.py's round 1487: "<a>" repeated up to just under the cap
# of QUDO's HTTP client (4 MiB).
HUGE_PAGE_ROUND = 1487
HUGE_PAGE_BYTES = 4 * 1024 * 1024 - 3
