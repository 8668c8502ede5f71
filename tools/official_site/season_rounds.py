#!/usr/bin/env python3
"""A season of consecutive rounds with their results, 1450 to 1475, so that
the 収支履歴 window can be tried offline from start to end: with the results
of 1476 and 1478 (site_data.py) the site knows every round from 1450 to 1478
but 1477, whose page ends before its sales figures. make_pages.py writes
their pages (result_<round>_season.html); site.tsv serves them.

The same module writes a singles file for every round of the season, twenty
singles each, as a player who bought every week would have them:

    python3 tools/official_site/season_rounds.py --singles build/bin/UserData/QUDO
"""

import argparse
import datetime
import os
import random

FIRST = 1450
LAST = 1475
SINGLES_PER_ROUND = 20

# Short names as the result pages write them.
CLUBS = ["鹿島", "浦和", "柏", "湘南", "磐田", "名古屋", "新潟", "神戸", "福岡", "広島", "鳥栖", "札幌",
         "仙台", "山形", "甲府", "清水", "千葉", "水戸", "岡山", "徳島", "熊本", "大分", "秋田", "群馬",
         "栃木", "愛媛", "長崎", "鹿児島"]

WEEKDAYS = "月火水木金土日"
# The Monday the sales of the first round of the season start.
SEASON_START = datetime.date(2023, 8, 7)


def day(date):
    return f"{date.year}年{date.month}月{date.day}日（{WEEKDAYS[date.weekday()]}）"


def yen(amount):
    return f"{amount:,}円"


def units(count):
    return f"{count:,}口"


def score(rng):
    # Home wins a little more often than away wins, a fifth are draws.
    home, away = rng.choice([(1, 0), (2, 0), (2, 1), (3, 1), (0, 0), (1, 1), (2, 2), (0, 1), (1, 2), (0, 2)])
    return f"{home}-{away}"


def season_result(number):
    rng = random.Random(number)
    start = SEASON_START + datetime.timedelta(weeks=number - FIRST)
    clubs = CLUBS[:]
    rng.shuffle(clubs)
    pairs = [(clubs[2 * i], clubs[2 * i + 1]) for i in range(14)]
    first_won = rng.random() < 0.2
    carry = 0 if first_won else rng.randrange(100, 600) * 1_000_000
    prizes = [(yen(600_000_000) if first_won else "0円", units(rng.randint(1, 3)) if first_won else "0口",
               yen(carry)),
              (yen(rng.randrange(800, 3000) * 1_000), units(rng.randint(20, 70)), "0円"),
              (yen(rng.randrange(300, 900) * 100), units(rng.randint(900, 1800)), "0円"),
              (yen(rng.randrange(30, 60) * 100), units(rng.randint(15_000, 22_000)), "0円"),
              (yen(rng.randrange(5, 10) * 100), units(rng.randint(110_000, 150_000)), "0円"),
              (yen(rng.choice([200, 300])), units(rng.randint(550_000, 680_000)), "0円")]
    sold = rng.randint(3_800_000, 4_300_000)
    return dict(
        prizes=prizes,
        sales=(yen(sold * 300), units(sold), f"{sold // 4:,}枚"),
        dates=(day(start), day(start + datetime.timedelta(days=5)), day(start + datetime.timedelta(days=7))),
        refund=(day(start + datetime.timedelta(days=8)), day(start + datetime.timedelta(days=372))),
        scores=[score(rng) for _ in range(14)],
        others=False,
        teams=pairs,
    )


RESULTS = {number: season_result(number) for number in range(FIRST, LAST + 1)}


def outcome_digit(text):
    home, away = (int(goals) for goals in text.split("-"))
    return "1" if home > away else "2" if home < away else "0"


def write_singles(folder):
    """One singles file a round: mostly guesses, now and then close to the result."""
    os.makedirs(folder, exist_ok=True)
    for number, res in RESULTS.items():
        rng = random.Random(-number)
        outcomes = [outcome_digit(s) for s in res["scores"]]
        lines = []
        for _ in range(SINGLES_PER_ROUND):
            right = rng.choice([0.35, 0.45, 0.55, 0.8])
            marks = [o if rng.random() < right else rng.choice("102".replace(o, "")) for o in outcomes]
            lines.append(",".join(marks))
        with open(os.path.join(folder, f"A-{number}.csv"), "w", encoding="ascii", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--singles", metavar="FOLDER", required=True,
                        help="where the singles files go (QUDO's UserData/QUDO)")
    args = parser.parse_args()
    write_singles(args.singles)
    print(f"{len(RESULTS)} singles files written to {args.singles}")


if __name__ == "__main__":
    main()
