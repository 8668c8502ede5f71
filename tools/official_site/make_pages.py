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
    tests/data/official/damaged/SysData/...            damaged round files

The data lives in site_data.py, real_world_rounds.py and season_rounds.py, the pages are made by
site_pages.py, the round files by expected_files.py: from their documented
layouts, independent of QUDO's own writers, so that the tests compare QUDO's
bytes against a second opinion. Run again after changing the data:

    python3 tools/official_site/make_pages.py
"""

import html
import os

import real_world_rounds
import season_rounds
from expected_files import OUT, expected_result, expected_schedule, expected_vote, write_xml
from site_data import RESULTS, ROUNDS, short
from site_pages import (not_available, result_page, result_page_cancelled, result_page_old, schedule_page,
                        vote_page)


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
    write_season()


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


def write_season():
    """The results of season_rounds.py, one page a round."""
    RESULTS.update(season_rounds.RESULTS)
    for number in season_rounds.RESULTS:
        write(f"result_{number}_season.html", result_page(number))


if __name__ == "__main__":
    main()
