#pragma once

#include "rounddata/RoundData.h"

#include <QtGlobal>

#include <array>
#include <span>
#include <vector>

// The chance of matching a single in all 14 matches (grade 1), in exactly 13
// (grade 2) or in exactly 12 (grade 3), as a product of 14 percentages, for
// many singles at once. The chance is a sum of terms, one per choice of
// missed matches (none; i; i < j), summed in that order, and each term is the
// product of the 14 per-match factors taken from match 1 to 14: the miss share
// at a missed match, the hit share elsewhere.
//
// Singles that agree on their first matches agree on the product of those
// matches' factors, term by term: the singles sharing the low code (matches
// 1 to 7) are walked as a tree over matches 8 to 14, each product carried
// down from its parent. Every term still multiplies its factors one by one in
// match order and the terms are summed in the same order, so each chance is
// the plain formula's to the last bit.
class HitChanceTree
{
public:
    using MarkTable = std::array<std::array<double, RoundData::MarkCount>, RoundData::MatchCount>;

    static constexpr int LowMatches = 7;
    static constexpr qint32 LowCount = 2187;  // 3^7 codes of matches 1 to 7
    static constexpr qint32 HighCount = 2187; // 3^7 codes of matches 8 to 14

    // share: the vote share of each mark in percent; miss: 100 − share.
    HitChanceTree(int grade, const MarkTable &share, const MarkTable &miss);

    // chances[high]: the chance of the single whose code is low + LowCount × high.
    void chancesOfLow(qint32 low, std::span<double, HighCount> chances) const;

private:
    static constexpr int Matches = RoundData::MatchCount;
    static constexpr int Marks = RoundData::MarkCount;
    static constexpr int MostTerms = Matches * (Matches - 1) / 2; // grade 3

    template<int Terms>
    friend class TreeWalk;

    const double *factors(int match, int mark) const;

    int m_terms = 0;
    std::vector<double> m_factor; // by match, mark and term
};
