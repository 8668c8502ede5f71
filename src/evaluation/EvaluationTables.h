#pragma once

#include <QtGlobal>

#include <array>

// The tables the result page passes between its controller and its views.

// Singles by number of misses: index 0 holds grade code 1 (all 14 right),
// index 14 grade code 15.
using GradeCounts = std::array<qint32, 15>;

// One entry per match (0..13) and outcome code (0 "0", 1 "1", 2 "2").
template<typename Value>
using MatchOutcomeTable = std::array<std::array<Value, 3>, 14>;

// Game state per match and outcome: 0 none, 1 official result, 2 assumed, 3 cancelled.
using GameStateTable = MatchOutcomeTable<qint32>;
using MatchFlags = MatchOutcomeTable<bool>;
// Whether a mark hits, per match and mark code: 0 misses, 1 official result,
// 2 assumed outcome, 3 cancelled match, 4 open match (every mark hits).
using HitTable = MatchOutcomeTable<quint8>;

// Singles per mark code (0..2) and match (0..13): the shape of the single frame.
using MarkCounts = std::array<std::array<qint32, 14>, 3>;

// The per-match tables share their layout: two header rows, then match 1 on row 3.
constexpr int rowOfMatch(int match)
{
    return match + 2;
}
