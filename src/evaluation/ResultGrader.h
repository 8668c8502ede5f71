#pragma once

#include "evaluation/EvaluationTables.h"
#include "lottery/SingleCode.h"
#include "support/LargeTableAllocator.h"

#include <QtGlobal>

#include <span>
#include <vector>

// The singles of the result page as a compact mark table, and their grade
// codes against a hit table. The marks are kept match by match (one row of
// single-count bytes per match, 14 bytes per single in all), so that a
// regrade walks each row with one rule for every byte of it, sixteen singles
// at a time.
class ResultGrader
{
public:
    static constexpr int Matches = SingleCode::MatchCount;

    // A match with nothing known or assumed is open: every mark hits (4).
    // Otherwise each mark hits where its game-state value is not 0.
    static HitTable makeHitTable(const GameStateTable &state);

    // Forgets every single; the room stays for the next list.
    void clear();
    // Forgets every single and gives the room back.
    void release();
    // Room for count singles: every mark 0 and every grade code 1 until they
    // are decoded and graded. A count of 0 gives the room back.
    void resize(qint32 count);
    qint32 count() const { return m_count; }

    // Decodes the singles from .. to − 1 of codes (one code per single held).
    // A code that stands for no single throws RuntimeError; the singles
    // before it are decoded.
    void decode(std::span<const qint32> codes, qint32 from, qint32 to);

    // Grade code = 1 + misses of every single; the singles by number of misses.
    GradeCounts grade(const HitTable &hits);

    // The same counts for a list that is graded once and never shown: the
    // singles by number of misses straight from their codes, without the
    // mark table. A code splits into two halves of seven matches whose
    // misses come from two tables made from the hit table. A code that
    // stands for no single throws RuntimeError.
    static GradeCounts gradeCodes(std::span<const qint32> codes, const HitTable &hits);

    quint8 mark(qint32 single, int match) const
    {
        return m_marks[std::size_t(match) * std::size_t(m_count) + std::size_t(single)];
    }
    quint8 gradeCode(qint32 single) const { return m_grades[std::size_t(single)]; }
    std::span<const quint8> gradeCodes() const { return m_grades; }
    // Match match's marks of every single, in list order.
    std::span<const quint8> marksOfMatch(int match) const;

private:
    SingleCode m_number;
    qint32 m_count = 0;
    std::vector<quint8, LargeTableAllocator<quint8>> m_marks; // match by match: match m at m × count
    std::vector<quint8, LargeTableAllocator<quint8>> m_grades;
};
