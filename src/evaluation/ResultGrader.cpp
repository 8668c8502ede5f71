#include "evaluation/ResultGrader.h"

#include "support/RuntimeError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr quint8 OpenMatch = 4;

// Thirty-two marks at a time: one instruction per step where the processor
// has AVX2, two elsewhere.
using Lanes = quint8 __attribute__((vector_size(32)));
constexpr qsizetype LaneCount = sizeof(Lanes);

// The grade codes of a stretch of singles are counted while they are still
// in the first-level cache.
constexpr qsizetype Block = 4096;

// How the matches count. Each single starts at firstGrade. A match that
// misses on one mark only adds 1 where the single has that mark (onMark); a
// match that hits on one mark only is counted as a miss in firstGrade and
// takes it back where the single has that mark (besideMark). A match that
// misses on no mark does not count; one that misses on every mark is in
// firstGrade.
struct GradingPlan
{
    struct Row
    {
        const quint8 *marks;
        quint8 mark;
    };
    quint8 firstGrade = 1;
    std::vector<Row> onMark;
    std::vector<Row> besideMark;

    GradingPlan(const HitTable &hits, const quint8 *marks, qint32 count)
    {
        for (int match = 0; match < ResultGrader::Matches; ++match) {
            const auto &entries = hits[std::size_t(match)];
            const auto missing = std::count(entries.begin(), entries.end(), quint8(0));
            const Row row{marks + std::size_t(match) * std::size_t(count), quint8(0)};
            if (missing == 1) {
                onMark.push_back({row.marks, quint8(std::find(entries.begin(), entries.end(), 0) - entries.begin())});
            } else if (missing == 2) {
                besideMark.push_back(
                    {row.marks, quint8(std::find_if(entries.begin(), entries.end(), [](quint8 e) { return e != 0; })
                                       - entries.begin())});
                ++firstGrade;
            } else if (missing == 3) {
                ++firstGrade;
            }
        }
    }
};

// The grade codes of the singles from .. to − 1. A comparison gives 0 or
// 255 (−1) per byte, which is taken off or added on.
// The copy for the processor is chosen while the program is loaded, before a
// ThreadSanitizer build could run any code of ours: that build takes the plain one.
#ifndef QUDO_THREAD_SANITIZER
__attribute__((target_clones("avx2", "default")))
#endif
void gradeStretch(const GradingPlan &plan, qsizetype from, qsizetype to, quint8 *grades)
{
    qsizetype at = from;
    for (; at + 2 * LaneCount <= to; at += 2 * LaneCount) {
        Lanes low = Lanes{} + plan.firstGrade;
        Lanes high = low;
        Lanes marks;
        for (const GradingPlan::Row &row : plan.onMark) {
            const Lanes key = Lanes{} + row.mark;
            std::memcpy(&marks, row.marks + at, sizeof marks);
            low -= Lanes(marks == key);
            std::memcpy(&marks, row.marks + at + LaneCount, sizeof marks);
            high -= Lanes(marks == key);
        }
        for (const GradingPlan::Row &row : plan.besideMark) {
            const Lanes key = Lanes{} + row.mark;
            std::memcpy(&marks, row.marks + at, sizeof marks);
            low += Lanes(marks == key);
            std::memcpy(&marks, row.marks + at + LaneCount, sizeof marks);
            high += Lanes(marks == key);
        }
        std::memcpy(grades + at, &low, sizeof low);
        std::memcpy(grades + at + LaneCount, &high, sizeof high);
    }
    for (; at < to; ++at) {
        int grade = plan.firstGrade;
        for (const GradingPlan::Row &row : plan.onMark)
            grade += row.marks[at] == row.mark;
        for (const GradingPlan::Row &row : plan.besideMark)
            grade -= row.marks[at] == row.mark;
        grades[at] = quint8(grade);
    }
}

// Singles by grade code (1..15), four tallies so that neighbours do not wait
// on each other's counter.
void tally(const quint8 *grades, qsizetype length, std::array<std::array<qint32, 16>, 4> &tallies)
{
    qsizetype at = 0;
    for (; at + 4 <= length; at += 4)
        for (int lane = 0; lane < 4; ++lane)
            ++tallies[std::size_t(lane)][grades[at + lane]];
    for (; at < length; ++at)
        ++tallies[0][grades[at]];
}

// Misses of the seven matches from first on, for every half code (0 to
// 3^7 - 1, the match first + i being digit i): a mark misses where its
// hit-table entry is 0.
constexpr qint32 HalfMatches = 7;
constexpr qint32 HalfCodes = 2187;   // 3^7

std::array<quint8, HalfCodes> halfMisses(const HitTable &hits, int first)
{
    // Built digit by digit: the codes of j + 1 digits with digit j at d take
    // the misses of their lower j digits plus the miss of d.
    std::array<quint8, HalfCodes> misses{};
    qint32 lower = 1;   // 3^j
    for (int j = 0; j < HalfMatches; ++j, lower *= 3) {
        const auto &entries = hits[std::size_t(first + j)];
        for (int mark = 2; mark >= 0; --mark)
            for (qint32 code = 0; code < lower; ++code)
                misses[std::size_t(code + mark * lower)] = quint8(misses[std::size_t(code)] + (entries[std::size_t(mark)] == 0));
    }
    return misses;
}

} // namespace

GradeCounts ResultGrader::gradeCodes(std::span<const qint32> codes, const HitTable &hits)
{
    const std::array<quint8, HalfCodes> low = halfMisses(hits, 0);
    const std::array<quint8, HalfCodes> high = halfMisses(hits, HalfMatches);
    std::array<std::array<qint32, 16>, 4> tallies{};
    std::size_t at = 0;
    const auto missesOf = [&](qint32 code) {
        if (code < 0 || code > SingleCode::MaxCode)
            throw RuntimeError::fromNumber(RuntimeError::InvalidCall);
        const quint32 upper = quint32(code) / HalfCodes;
        return low[quint32(code) - upper * HalfCodes] + high[upper];
    };
    for (; at + 4 <= codes.size(); at += 4)
        for (std::size_t lane = 0; lane < 4; ++lane)
            ++tallies[lane][std::size_t(missesOf(codes[at + lane]))];
    for (; at < codes.size(); ++at)
        ++tallies[0][std::size_t(missesOf(codes[at]))];
    GradeCounts counts{};
    for (int misses = 0; misses <= Matches; ++misses)
        for (const auto &lane : tallies)
            counts[std::size_t(misses)] += lane[std::size_t(misses)];
    return counts;
}

HitTable ResultGrader::makeHitTable(const GameStateTable &state)
{
    HitTable hits{};
    for (int match = 0; match < Matches; ++match) {
        const auto &values = state[std::size_t(match)];
        const bool open = values[0] == 0 && values[1] == 0 && values[2] == 0;
        for (int outcome = 0; outcome < 3; ++outcome)
            hits[std::size_t(match)][std::size_t(outcome)] = open ? OpenMatch : quint8(values[std::size_t(outcome)]);
    }
    return hits;
}

void ResultGrader::clear()
{
    m_count = 0;
    m_marks.clear();
    m_grades.clear();
}

void ResultGrader::release()
{
    clear();
    m_marks.shrink_to_fit();
    m_grades.shrink_to_fit();
}

void ResultGrader::resize(qint32 count)
{
    clear();
    if (count <= 0) {
        release();
        return;
    }
    // Room kept from the last list is used again; a larger list does not
    // keep the old room beside the new.
    if (m_marks.capacity() < std::size_t(count) * Matches)
        release();
    m_marks.assign(std::size_t(count) * Matches, 0);
    m_grades.assign(std::size_t(count), 1);
    m_count = count;
}

void ResultGrader::decode(std::span<const qint32> codes, qint32 from, qint32 to)
{
    std::array<quint8, Matches> marks{};
    for (qint32 single = from; single < to; ++single) {
        const qint32 code = codes[std::size_t(single)];
        if (code < 0 || code > SingleCode::MaxCode)
            throw RuntimeError::fromNumber(RuntimeError::InvalidCall);
        m_number.codeToBytes(code, marks);
        quint8 *row = m_marks.data() + single;
        for (int match = 0; match < Matches; ++match, row += m_count)
            *row = marks[std::size_t(match)];
    }
}

GradeCounts ResultGrader::grade(const HitTable &hits)
{
    const GradingPlan plan(hits, m_marks.data(), m_count);
    std::array<std::array<qint32, 16>, 4> tallies{};
    for (qsizetype start = 0; start < m_count; start += Block) {
        const qsizetype end = std::min<qsizetype>(start + Block, m_count);
        gradeStretch(plan, start, end, m_grades.data());
        tally(m_grades.data() + start, end - start, tallies);
    }
    GradeCounts counts{};
    for (int misses = 0; misses <= Matches; ++misses)
        for (const auto &lane : tallies)
            counts[std::size_t(misses)] += lane[std::size_t(misses + 1)];
    return counts;
}

std::span<const quint8> ResultGrader::marksOfMatch(int match) const
{
    return std::span<const quint8>(m_marks).subspan(std::size_t(match) * std::size_t(m_count), std::size_t(m_count));
}
