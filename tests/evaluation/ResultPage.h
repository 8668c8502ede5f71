#pragma once

#include "common/RecordingSurface.h"
#include "evaluation/CheckPageController.h"
#include "lottery/SingleCode.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <numeric>
#include <vector>

// The check page's controller on recording surfaces, and the small builders
// its tests share.
struct ResultPage
{
    RecordingSurface grid;
    RecordingSurface grade;
    RecordingSurface multi;
    RecordingSurface count;
    RecordingSurface confirmed;
    CheckPageController result;

    // Stand-ins for the four state pictures: hit, cancelled, miss, winning grade code.
    static QList<QVariant> pictures()
    {
        return {QStringLiteral("hit"), QStringLiteral("cancelled"), QStringLiteral("miss"), QStringLiteral("winning")};
    }

    ResultPage() { result.initialize(&grid, &grade, &multi, &count, &confirmed, nullptr, pictures()); }

    void setSingles(const std::vector<qint32> &codes) { result.setSingle(qint32(codes.size()), codes); }

    // The point in the middle of a selector cell.
    QPoint selectorCell(int col, int row) const
    {
        const CellGrid &g = result.multiResult().grid();
        return {g.colLeft(col) + g.colWidth(col) / 2, g.rowTop(row) + g.rowHeight(row) / 2};
    }
    // Clicks the selector cell of a 1-based match and an outcome code.
    void clickSelector(int match, int outcome, int button = 1)
    {
        const int col = outcome == 1 ? 1 : outcome == 0 ? 2 : 3;
        const QPoint at = selectorCell(col, match + 1);
        multi.click(button, 0, at.x(), at.y());
    }
};

// A single from its 14 marks written as text, match 1 first ("10201...").
inline qint32 singleOf(const QString &marks)
{
    std::array<qint32, 14> markCodes{};
    for (int i = 0; i < 14; ++i)
        markCodes[std::size_t(i)] = marks[i].digitValue();
    qint32 code = 0;
    SingleCode().intsToCode(markCodes, code);
    return code;
}

// A result of a round with the outcomes of its matches, match 1 first.
inline ResultData resultOf(qint32 roundNumber, const QString &outcomes)
{
    ResultData result;
    result.roundNumber = roundNumber;
    for (int i = 0; i < outcomes.size() && i < 14; ++i)
        result.game[std::size_t(i + 1)].Outcome = quint8(outcomes[i].digitValue());
    return result;
}

// Round 1478's outcomes as the official result shows them.
inline const QString Outcomes1478 = QStringLiteral("10210221012010");

// Singles that differ from the outcomes only in the given matches (1-based),
// every combination of marks there.
inline std::vector<qint32> varyingIn(const QString &outcomes, const QList<int> &matches)
{
    std::vector<qint32> codes;
    int combinations = 1;
    for (int i = 0; i < matches.size(); ++i)
        combinations *= 3;
    for (int n = 0; n < combinations; ++n) {
        QString marks = outcomes;
        int rest = n;
        for (const int match : matches) {
            marks[match - 1] = QChar(u'0' + rest % 3);
            rest /= 3;
        }
        codes.push_back(singleOf(marks));
    }
    return codes;
}

// The singles with the codes 0 … count − 1.
inline std::vector<qint32> firstCodes(int count)
{
    std::vector<qint32> codes(static_cast<std::size_t>(count));
    std::iota(codes.begin(), codes.end(), 0);
    return codes;
}

inline qint64 binomial(int n, int k)
{
    qint64 value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

inline GradeCounts countsOf(std::initializer_list<std::pair<int, qint32>> byGradeCode)
{
    GradeCounts counts{};
    for (const auto &[gradeCode, count] : byGradeCode)
        counts[std::size_t(gradeCode - 1)] = count;
    return counts;
}
