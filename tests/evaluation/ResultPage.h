#pragma once

#include "common/RecordingSurface.h"
#include "evaluation/clsTResult.h"
#include "lottery/clsTNumber.h"

#include <QList>
#include <QVariant>

#include <vector>

// The check page's controller on recording surfaces, and the small builders
// its tests share.
struct ResultPage
{
    RecordingSurface grid;
    RecordingSurface grade;
    RecordingSurface multi;
    RecordingSurface count;
    RecordingSurface kakutei;
    clsTResult result;

    // Stand-ins for the four state pictures: hit, cancelled, miss, winning grade code.
    static QList<QVariant> pictures()
    {
        return {QStringLiteral("hit"), QStringLiteral("cancelled"), QStringLiteral("miss"), QStringLiteral("winning")};
    }

    ResultPage() { result.Initialize(&grid, &grade, &multi, &count, &kakutei, nullptr, pictures()); }

    void setSingles(const std::vector<qint32> &codes) { result.SetSingle(qint32(codes.size()), codes); }

    // The point in the middle of a selector cell.
    QPoint selectorCell(int col, int row) const
    {
        const clsGrid &g = result.MultiResult().Grid();
        return {g.ColLeft(col) + g.ColWidth(col) / 2, g.RowTop(row) + g.RowHeight(row) / 2};
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
    std::array<qint32, 14> kousei{};
    for (int i = 0; i < 14; ++i)
        kousei[std::size_t(i)] = marks[i].digitValue();
    qint32 code = 0;
    clsTNumber().LongToNo(kousei, code);
    return code;
}

// A result of a round with the outcomes of its matches, match 1 first.
inline ResultData resultOf(qint32 kaisaikai, const QString &outcomes)
{
    ResultData result;
    result.Kaisaikai = kaisaikai;
    for (int i = 0; i < outcomes.size() && i < 14; ++i)
        result.Game[std::size_t(i + 1)].Outcome = quint8(outcomes[i].digitValue());
    return result;
}
