#!/usr/bin/env python3
"""Writes the stand-in pages of the official lottery site and the round files
QUDO is expected to keep after downloading them.

The official site cannot be reached from the test machines, so QUDO's download
tests (and anyone trying the downloads by hand, see serve.py) use these pages
instead. They are modelled on what such pages are -- UTF-8 HTML documents with
a head, scripts, styles, navigation, comments and tables -- with the headings
and labels where QUDO's page readers look for them. Nothing is copied from the
real site.

Output (relative to the repository):
    tests/data/official/<kind>_<round>[_<what>].html   the pages
    tests/data/official/expected/big_*.xml             the round files
                                                       (windows-31j, CR LF)

The round files are written here from their documented layouts, independent of
QUDO's own writers, so that the tests compare QUDO's bytes against a second
opinion. Run again after changing the data below:

    python3 tools/official_site/make_pages.py
"""

import html
import os
import random
import re
from decimal import Decimal, ROUND_HALF_UP

import real_world_rounds

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(REPO, "tests", "data", "official")

# ---------------------------------------------------------------------------
# Clubs: the official name the designated-match page writes, and the short
# name that the vote and result pages write (and that QUDO's team-name files
# translate the official name into).
# ---------------------------------------------------------------------------
SHORT = {
    "鹿島アントラーズ": "鹿島",
    "浦和レッズ": "浦和",
    "柏レイソル": "柏",
    "湘南ベルマーレ": "湘南",
    "ジュビロ磐田": "磐田",
    "名古屋グランパス": "名古屋",
    "アルビレックス新潟": "新潟",
    "ヴィッセル神戸": "神戸",
    "アビスパ福岡": "福岡",
    "サンフレッチェ広島": "広島",
    "サガン鳥栖": "鳥栖",
    "北海道コンサドーレ札幌": "札幌",
    "ベガルタ仙台": "仙台",
    "モンテディオ山形": "山形",
    "ヴァンフォーレ甲府": "甲府",
    "清水エスパルス": "清水",
    "ジェフユナイテッド千葉": "千葉",
    "水戸ホーリーホック": "水戸",
    "ファジアーノ岡山": "岡山",
    "徳島ヴォルティス": "徳島",
    "ロアッソ熊本": "熊本",
    "大分トリニータ": "大分",
    "ブラウブリッツ秋田": "秋田",
    "ザスパ群馬": "群馬",
    "栃木ＳＣ": "栃木",
    "愛媛ＦＣ": "愛媛",
    "Ｖ・ファーレン長崎": "長崎",
    "鹿児島ユナイテッドＦＣ": "鹿児島",
}

SHORT.update(real_world_rounds.SHORT)

# A club that no team-name file knows: the page is fine, the translation fails.
UNKNOWN_CLUB = "クオーヴェル架空ユナイテッド"


def short(official):
    return SHORT.get(official, official)


# ---------------------------------------------------------------------------
# Rounds
# ---------------------------------------------------------------------------
# A designated match: day (M/D), kick-off, stadium, home and away (official
# names), status ("VS" or "中止").
def m(day, time, stadium, home, away, status="VS"):
    return dict(day=day, time=time, stadium=stadium, home=home, away=away, status=status)


ROUNDS = {
    1475: dict(
        year=2024,
        sale_start="2024年2月19日（月）10:00", sale_end="2024年2月24日（土）12:50",
        result_date="2024年2月26日（月）", refund_start="2024年2月27日（火）",
        refund_end="2025年2月26日（水）",
        matches=[
            m("2/24", "13:00", "カシマ", "鹿島アントラーズ", "サガン鳥栖"),
            m("2/24", "14:00", "Ｅピース", "サンフレッチェ広島", "浦和レッズ"),
            m("2/24", "14:00", "ノエスタ", "ヴィッセル神戸", "名古屋グランパス"),
            m("2/24", "14:00", "ベススタ", "アビスパ福岡", "北海道コンサドーレ札幌"),
            m("2/25", "13:00", "フクアリ", "ジェフユナイテッド千葉", "ブラウブリッツ秋田"),
            m("2/25", "14:00", "ユアスタ", "ベガルタ仙台", "ロアッソ熊本"),
            m("2/25", "14:00", "ＮＤスタ", "モンテディオ山形", "清水エスパルス"),
            m("2/25", "14:00", "ＪＩＴス", "ヴァンフォーレ甲府", "ザスパ群馬"),
            m("2/25", "14:00", "ケーズ", "水戸ホーリーホック", "ファジアーノ岡山"),
            m("2/25", "14:00", "鳴門大塚", "徳島ヴォルティス", "Ｖ・ファーレン長崎"),
            m("2/25", "14:00", "レゾド", "大分トリニータ", "鹿児島ユナイテッドＦＣ"),
            m("2/25", "13:00", "カンセキ", "栃木ＳＣ", "愛媛ＦＣ"),
            m("2/25", "15:00", "レモンＳ", "湘南ベルマーレ", "アルビレックス新潟"),
            m("2/25", "14:00", "ヤマハ", "ジュビロ磐田", "柏レイソル"),
        ],
    ),
    1476: dict(
        year=2024,
        sale_start="2024年2月26日（月）10:00", sale_end="2024年3月2日（土）12:50",
        result_date="2024年3月4日（月）", refund_start="2024年3月5日（火）",
        refund_end="2025年3月4日（火）",
        matches=[
            m("3/2", "14:00", "レモンＳ", "湘南ベルマーレ", "柏レイソル"),
            m("3/2", "14:00", "カシマ", "鹿島アントラーズ", "北海道コンサドーレ札幌"),
            m("3/2", "14:00", "埼玉", "浦和レッズ", "ジュビロ磐田"),
            m("3/2", "15:00", "ベススタ", "アビスパ福岡", "アルビレックス新潟"),
            m("3/2", "14:00", "駅スタ", "サガン鳥栖", "ヴィッセル神戸"),
            m("3/2", "16:00", "Ｅピース", "サンフレッチェ広島", "名古屋グランパス"),
            m("3/3", "14:00", "ＮＤスタ", "モンテディオ山形", "ファジアーノ岡山", "中止"),
            m("3/3", "13:00", "ソユスタ", "ブラウブリッツ秋田", "ベガルタ仙台", "中止"),
            m("3/3", "14:00", "フクアリ", "ジェフユナイテッド千葉", "ヴァンフォーレ甲府"),
            m("3/3", "14:00", "アイスタ", "清水エスパルス", "水戸ホーリーホック"),
            m("3/3", "14:00", "鳴門大塚", "徳島ヴォルティス", "大分トリニータ"),
            m("3/3", "14:00", "えがおＳ", "ロアッソ熊本", "ザスパ群馬"),
            m("3/3", "13:00", "カンセキ", "栃木ＳＣ", "鹿児島ユナイテッドＦＣ"),
            m("3/3", "14:00", "トラスタ", "Ｖ・ファーレン長崎", "愛媛ＦＣ"),
        ],
    ),
    1478: dict(
        year=2024,
        sale_start="2024年3月4日（月）10:00", sale_end="2024年3月9日（土）12:50",
        result_date="2024年3月11日（月）", refund_start="2024年3月12日（火）",
        refund_end="2025年3月11日（火）",
        matches=[
            m("3/9", "14:00", "カシマ", "鹿島アントラーズ", "湘南ベルマーレ"),
            m("3/9", "14:00", "埼玉", "浦和レッズ", "サガン鳥栖"),
            m("3/9", "14:00", "三協Ｆ柏", "柏レイソル", "北海道コンサドーレ札幌"),
            m("3/9", "15:00", "ヤマハ", "ジュビロ磐田", "アビスパ福岡"),
            m("3/9", "16:00", "豊田ス", "名古屋グランパス", "サンフレッチェ広島"),
            m("3/9", "14:00", "デンカＳ", "アルビレックス新潟", "ヴィッセル神戸"),
            m("3/10", "13:00", "ユアスタ", "ベガルタ仙台", "モンテディオ山形"),
            m("3/10", "14:00", "ＪＩＴス", "ヴァンフォーレ甲府", "清水エスパルス"),
            m("3/10", "14:00", "フクアリ", "ジェフユナイテッド千葉", "水戸ホーリーホック"),
            m("3/10", "13:00", "Ｃスタ", "ファジアーノ岡山", "徳島ヴォルティス"),
            m("3/10", "14:00", "えがおＳ", "ロアッソ熊本", "大分トリニータ"),
            m("3/10", "13:00", "ソユスタ", "ブラウブリッツ秋田", "ザスパ群馬"),
            m("3/10", "14:00", "カンセキ", "栃木ＳＣ", "愛媛ＦＣ"),
            m("3/10", "14:00", "トラスタ", "Ｖ・ファーレン長崎", "鹿児島ユナイテッドＦＣ"),
        ],
    ),
    1479: dict(
        year=2024,
        sale_start="2024年3月11日（月）10:00", sale_end="2024年3月16日（土）12:50",
        result_date="2024年3月18日（月）", refund_start="2024年3月19日（火）",
        refund_end="2025年3月18日（火）",
        matches=[
            m("3/16", "14:00", "レモンＳ", "湘南ベルマーレ", "浦和レッズ"),
            m("3/16", "14:00", "ベススタ", "アビスパ福岡", "鹿島アントラーズ"),
            m("3/16", "15:00", "駅スタ", "サガン鳥栖", "柏レイソル"),
            m("3/16", "14:00", "Ｅピース", "サンフレッチェ広島", "ジュビロ磐田"),
            m("3/16", "14:00", "ノエスタ", "ヴィッセル神戸", "名古屋グランパス"),
            m("3/16", "14:00", "札幌ド", "北海道コンサドーレ札幌", "アルビレックス新潟"),
            m("3/17", "14:00", "ＮＤスタ", "モンテディオ山形", "ジェフユナイテッド千葉"),
            m("3/17", "14:00", "ケーズ", "水戸ホーリーホック", "ベガルタ仙台"),
            m("3/17", "13:00", "アイスタ", "清水エスパルス", "ファジアーノ岡山"),
            m("3/17", "14:00", "鳴門大塚", "徳島ヴォルティス", "ロアッソ熊本"),
            m("3/17", "14:00", "レゾド", "大分トリニータ", "ヴァンフォーレ甲府"),
            m("3/17", "13:00", "正田スタ", "ザスパ群馬", "栃木ＳＣ"),
            m("3/17", "14:00", "ニンスタ", "愛媛ＦＣ", "ブラウブリッツ秋田"),
            m("3/17", "14:00", "白波スタ", "鹿児島ユナイテッドＦＣ", "Ｖ・ファーレン長崎"),
        ],
    ),
    # The payout table of this page comes before the match table.
    1480: dict(
        year=2024,
        sale_start="2024年3月25日（月）10:00", sale_end="2024年3月30日（土）12:50",
        result_date="2024年4月1日（月）", refund_start="2024年4月2日（火）",
        refund_end="2025年4月1日（火）",
        matches=[
            m("3/30", "14:00", "カシマ", "鹿島アントラーズ", "浦和レッズ"),
            m("3/30", "14:00", "三協Ｆ柏", "柏レイソル", "湘南ベルマーレ"),
            m("3/30", "15:00", "ヤマハ", "ジュビロ磐田", "名古屋グランパス"),
            m("3/30", "14:00", "デンカＳ", "アルビレックス新潟", "サンフレッチェ広島"),
            m("3/30", "14:00", "ノエスタ", "ヴィッセル神戸", "サガン鳥栖"),
            m("3/30", "14:00", "ベススタ", "アビスパ福岡", "北海道コンサドーレ札幌"),
            m("3/31", "14:00", "ユアスタ", "ベガルタ仙台", "ヴァンフォーレ甲府"),
            m("3/31", "14:00", "ＮＤスタ", "モンテディオ山形", "水戸ホーリーホック"),
            m("3/31", "13:00", "アイスタ", "清水エスパルス", "ジェフユナイテッド千葉"),
            m("3/31", "13:00", "Ｃスタ", "ファジアーノ岡山", "ロアッソ熊本"),
            m("3/31", "14:00", "鳴門大塚", "徳島ヴォルティス", "ブラウブリッツ秋田"),
            m("3/31", "14:00", "レゾド", "大分トリニータ", "ザスパ群馬"),
            m("3/31", "13:00", "カンセキ", "栃木ＳＣ", "Ｖ・ファーレン長崎"),
            m("3/31", "14:00", "ニンスタ", "愛媛ＦＣ", "鹿児島ユナイテッドＦＣ"),
        ],
    ),
    # Match 9 names a club that no team-name file knows.
    1481: dict(
        year=2024,
        sale_start="2024年4月1日（月）10:00", sale_end="2024年4月3日（水）18:20",
        result_date="2024年4月4日（木）", refund_start="2024年4月5日（金）",
        refund_end="2025年4月4日（金）",
        matches=[
            m("4/3", "19:00", "レモンＳ", "湘南ベルマーレ", "鹿島アントラーズ"),
            m("4/3", "19:00", "埼玉", "浦和レッズ", "柏レイソル"),
            m("4/3", "19:00", "豊田ス", "名古屋グランパス", "ジュビロ磐田"),
            m("4/3", "19:00", "Ｅピース", "サンフレッチェ広島", "アルビレックス新潟"),
            m("4/3", "19:00", "駅スタ", "サガン鳥栖", "アビスパ福岡"),
            m("4/3", "19:30", "札幌ド", "北海道コンサドーレ札幌", "ヴィッセル神戸"),
            m("4/3", "19:00", "フクアリ", "ジェフユナイテッド千葉", "ベガルタ仙台"),
            m("4/3", "19:00", "ＪＩＴス", "ヴァンフォーレ甲府", "モンテディオ山形"),
            m("4/3", "19:00", "ケーズ", "水戸ホーリーホック", UNKNOWN_CLUB),
            m("4/3", "19:00", "Ｃスタ", "ファジアーノ岡山", "清水エスパルス"),
            m("4/3", "19:00", "えがおＳ", "ロアッソ熊本", "徳島ヴォルティス"),
            m("4/3", "19:00", "正田スタ", "ザスパ群馬", "大分トリニータ"),
            m("4/3", "19:00", "ニンスタ", "愛媛ＦＣ", "栃木ＳＣ"),
            m("4/3", "19:00", "白波スタ", "鹿児島ユナイテッドＦＣ", "ブラウブリッツ秋田"),
        ],
    ),
    # A round the lottery called off as a whole.
    1162: dict(
        year=2020,
        sale_start="2020年4月6日（月）10:00", sale_end="2020年4月11日（土）12:50",
        result_date="2020年4月13日（月）", refund_start="2020年4月14日（火）",
        refund_end="2021年4月13日（火）",
        matches=[
            m("4/11", "14:00", "カシマ", "鹿島アントラーズ", "ヴィッセル神戸", "中止"),
            m("4/11", "14:00", "埼玉", "浦和レッズ", "湘南ベルマーレ", "中止"),
            m("4/11", "14:00", "三協Ｆ柏", "柏レイソル", "北海道コンサドーレ札幌", "中止"),
            m("4/11", "15:00", "ユアスタ", "ベガルタ仙台", "サガン鳥栖", "中止"),
            m("4/11", "16:00", "豊田ス", "名古屋グランパス", "清水エスパルス", "中止"),
            m("4/11", "14:00", "Ｅスタ", "サンフレッチェ広島", "大分トリニータ", "中止"),
            m("4/12", "14:00", "ＮＤスタ", "モンテディオ山形", "ファジアーノ岡山", "中止"),
            m("4/12", "14:00", "ヤマハ", "ジュビロ磐田", "アルビレックス新潟", "中止"),
            m("4/12", "13:00", "フクアリ", "ジェフユナイテッド千葉", "ヴァンフォーレ甲府", "中止"),
            m("4/12", "14:00", "ケーズ", "水戸ホーリーホック", "アビスパ福岡", "中止"),
            m("4/12", "14:00", "鳴門大塚", "徳島ヴォルティス", "Ｖ・ファーレン長崎", "中止"),
            m("4/12", "13:00", "ソユスタ", "ブラウブリッツ秋田", "ロアッソ熊本", "中止"),
            m("4/12", "13:00", "カンセキ", "栃木ＳＣ", "ザスパ群馬", "中止"),
            m("4/12", "14:00", "ニンスタ", "愛媛ＦＣ", "鹿児島ユナイテッドＦＣ", "中止"),
        ],
    ),
}

# toto's 13 matches of a round as the vote page lists them: either the number
# of a BIG match of the same round, or a (home, away) pair of short names that
# BIG does not carry. Cancelled matches are marked "中止" before their number.
VOTES = {
    # Final status; only six of the 13 toto matches are BIG matches.
    1475: dict(
        stamp="(2024年2月24日 12:50 販売終了時点)",
        period="2024年2月19日（月）10:00～2024年2月24日（土）12:50",
        toto=[1, 2, ("川崎Ｆ", "Ｃ大阪"), ("Ｇ大阪", "町田"), 3, 4, ("東京Ｖ", "横浜Ｍ"),
              ("京都", "ＦＣ東京"), 5, 6, ("いわき", "藤枝"), ("山口", "横浜ＦＣ"), 7],
        cancelled=[],
    ),
    # Final status with two toto matches called off.
    1476: dict(
        stamp="(2024年3月2日 12:50 販売終了時点)",
        period="2024年2月26日（月）10:00～2024年3月2日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, ("東京Ｖ", "町田"), 7, 8, 9, 10, 11, 12],
        cancelled=[8, 9],
    ),
    # Final status: twelve BIG matches and one other.
    1478: dict(
        stamp="(2024年3月9日 13:00 販売終了時点)",
        period="2024年3月4日（月）10:00～2024年3月9日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, ("Ｇ大阪", "東京Ｖ"), 7, 8, 9, 10, 11, 12],
        cancelled=[],
    ),
    # Taken while sales are still open.
    1479: dict(
        stamp="(2024年3月14日 10:00 時点)",
        period="2024年3月11日（月）10:00～2024年3月16日（土）12:50",
        toto=[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13],
        cancelled=[],
    ),
}

# Lottery results. Scores as the page writes them: "H-A", or "中止".
RESULTS = {
    1478: dict(
        prizes=[("600,000,000円", "2口", "0円"), ("2,384,600円", "43口", "0円"),
                ("82,300円", "1,247口", "0円"), ("5,100円", "20,116口", "0円"),
                ("800円", "142,880口", "0円"), ("300円", "657,432口", "0円")],
        sales=("1,234,567,800円", "4,115,226口", "1,032,417枚"),
        dates=("2024年3月4日（月）", "2024年3月9日（土）", "2024年3月11日（月）"),
        refund=("2024年3月12日（火）", "2025年3月11日（火）"),
        scores=["2-1", "0-0", "1-3", "2-2", "1-0", "0-1", "3-1", "1-1", "0-2", "2-0",
                "1-1", "4-2", "0-1", "2-1"],
        others=True,
    ),
    # Two matches called off, the round went ahead.
    1476: dict(
        prizes=[("0円", "0口", "312,455,100円"), ("1,102,900円", "61口", "0円"),
                ("41,000円", "1,602口", "0円"), ("3,900円", "18,004口", "0円"),
                ("700円", "120,337口", "0円"), ("200円", "598,110口", "0円")],
        sales=("1,198,203,300円", "3,994,011口", "1,001,876枚"),
        dates=("2024年2月26日（月）", "2024年3月2日（土）", "2024年3月4日（月）"),
        refund=("2024年3月5日（火）", "2025年3月4日（火）"),
        scores=["1-1", "3-0", "0-1", "1-2", "2-2", "2-0", "中止", "中止", "1-0", "0-0",
                "2-1", "1-3", "0-0", "1-0"],
        others=False,
    ),
    # The sales figures are not out yet: the page ends after the prizes.
    1477: dict(
        prizes=[("300,000,000円", "1口", "0円"), ("1,840,100円", "40口", "0円"),
                ("63,200円", "1,121口", "0円"), ("4,400円", "17,553口", "0円"),
                ("600円", "135,004口", "0円"), ("300円", "601,887口", "0円")],
        sales=None,
        dates=("2024年2月26日（月）", "2024年3月6日（水）", "2024年3月7日（木）"),
        refund=("2024年3月8日（金）", "2025年3月7日（金）"),
        scores=["2-0", "1-1", "0-1", "3-1", "1-2", "0-0", "2-1", "1-0", "0-0", "2-2",
                "1-0", "0-2", "3-0", "1-1"],
        others=False,
        teams=[("浦和", "広島"), ("鳥栖", "湘南"), ("札幌", "鹿島"), ("磐田", "神戸"),
               ("名古屋", "福岡"), ("新潟", "柏"), ("甲府", "仙台"), ("千葉", "山形"),
               ("水戸", "清水"), ("岡山", "大分"), ("熊本", "秋田"), ("群馬", "徳島"),
               ("長崎", "栃木"), ("愛媛", "鹿児島")],
    ),
}


ROUNDS.update(real_world_rounds.ROUNDS)
ROUNDS[1485] = ROUNDS[1478]
ROUNDS[1486] = ROUNDS[1478]
VOTES.update(real_world_rounds.VOTES)


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


# ---------------------------------------------------------------------------
def write(name, text):
    with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main():
    os.makedirs(OUT, exist_ok=True)

    for number in (1475, 1476, 1478, 1479, 1481):
        write(f"schedule_{number}.html", schedule_page(number))
    write("schedule_1480_payout_before_matches.html", schedule_page(1480, payout_first=True))
    write("schedule_1162_cancelled.html", schedule_page(1162, notice="くじは中止となりました。"))
    write("schedule_not_available.html",
          not_available("BIGくじ指定試合", "BIGくじ指定試合", "ご指定のくじ情報は表示できません。"))

    write("vote_1475_final_partial_overlap.html", vote_page(1475))
    write("vote_1476_final_cancelled_matches.html", vote_page(1476))
    write("vote_1478_final.html", vote_page(1478))
    write("vote_1479_mid_sales.html", vote_page(1479))
    write("vote_not_available.html",
          not_available("toto 投票状況", "toto投票状況", "ご指定の投票状況は表示できません。"))

    write("result_1478_with_other_products.html", result_page(1478))
    write("result_1476_matches_cancelled.html", result_page(1476))
    write("result_1477_prize_block_ends_early.html", result_page(1477))
    old, old_pairs, old_res = result_page_old()
    write("result_421_four_grades.html", old)
    cancelled, cancelled_pairs = result_page_cancelled()
    write("result_1162_cancelled.html", cancelled)
    write("result_not_available.html",
          not_available("くじ結果", "くじ結果", "ご指定のくじ結果は表示できません。"))

    for number in (1475, 1476, 1478, 1479):
        expected_schedule(number)
    expected_schedule(1162, cancelled=True)
    for number in (1475, 1476, 1478):
        expected_vote(number)
    for number in (1478, 1476):
        pairs = [(short(g["home"]), short(g["away"])) for g in ROUNDS[number]["matches"]]
        expected_result(number, pairs, RESULTS[number], 6)
    expected_result(421, old_pairs, old_res, 4)
    expected_result(1162, cancelled_pairs, dict(scores=["中止"] * 14), 6, cancelled=True)
    write_real_world_rounds()


def write_real_world_rounds():
    """The rounds of real_world_rounds.py: pages, expected files, damaged files."""
    for number in (1482, 1483, 1484):
        write(f"schedule_{number}.html", schedule_page(number))
        expected_schedule(number)
        expected_vote(number)
    write("schedule_1486.html", schedule_page(1486))
    write("vote_1482_final_midnight_kick_offs.html", vote_page(1482))
    write("vote_1483_final_names_written_by_toto.html", vote_page(1483))
    write("vote_1484_mid_sales_unknown_club.html", vote_page(1484))
    write("vote_1486_final_oversized_numbers.html", vote_page(1486))

    kept = [(short(g["home"]), short(g["away"])) for g in ROUNDS[1478]["matches"]]
    written = list(kept)
    kept[0] = (real_world_rounds.RESULT_1485_FIRST_HOME_KEPT, kept[0][1])
    written[0] = (real_world_rounds.RESULT_1485_FIRST_HOME, written[0][1])
    assert html.unescape(written[0][0]).translate({ord("<"): "＜", ord(">"): "＞"}) == kept[0][0]
    RESULTS[1485] = dict(RESULTS[1478], teams=written)
    write("result_1485_angle_brackets_in_a_team.html", result_page(1485))
    expected_result(1485, kept, RESULTS[1485], 6)

    write_xml("SysData/BIG_Schedule/big_schedule_1478.xml", real_world_rounds.damaged_schedule(), "damaged")
    write_xml("SysData/BIG_Result/big_result_1478.xml", real_world_rounds.damaged_result(), "damaged")


if __name__ == "__main__":
    main()
