#include "singles/EstimateTable.h"

#include "support/QuickSort.h"
#include "support/TextWidth.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <vector>

namespace {

constexpr int Matches = RoundData::MatchCount;
enum Row { Money1Row = 1, Money2Row, Money3Row, MarkRow, RankRow };

QString joinCounts(const std::array<int, 3> &counts)
{
    return QString::number(counts[0]) + u'-' + QString::number(counts[1]) + u'-' + QString::number(counts[2]);
}

// Whole units of a non-negative amount divided by unit, half up.
qint64 roundedDiv(qint64 raw, qint64 unit)
{
    return (raw + unit / 2) / unit;
}

// Whole yen of a non-negative amount, rounded half to even.
qint64 wholeYen(qint64 raw)
{
    const qint64 yen = raw / Money::Scale;
    const qint64 twice = raw % Money::Scale * 2;
    return twice > Money::Scale || (twice == Money::Scale && yen % 2 != 0) ? yen + 1 : yen;
}

} // namespace

QString clsTSingleList::GetMoneyText(Money curValue)
{
    constexpr qint64 Yen = Money::Scale;
    constexpr qint64 Man = 10'000 * Yen;
    constexpr qint64 Oku = 100'000'000 * Yen;
    const qint64 raw = curValue.raw();
    if (raw == 0)
        return {};
    if (raw < Man)
        return curValue.toString() + u'円';
    if (raw < 10 * Man) {
        const qint64 hundredths = roundedDiv(raw, Man / 100);
        return QString::number(hundredths / 100) + u'.' + QString::number(hundredths % 100).rightJustified(2, u'0')
            + u'万';
    }
    if (raw < Oku) {
        return QString::number(wholeYen(raw) / 10'000) + u'万';
    }
    if (raw < 10 * Oku) {
        const qint64 hundredths = raw / (Oku / 100);
        QString text = QString::number(hundredths / 100);
        if (const qint64 fraction = hundredths % 100) {
            QString digits = QString::number(fraction).rightJustified(2, u'0');
            if (digits.endsWith(u'0'))
                digits.chop(1);
            text += u'.' + digits;
        }
        return text + u'億';
    }
    if (raw < clsTMoney::Ceiling * Yen)
        return QString::number(raw / Oku) + u'億';
    return QStringLiteral("****億");
}

void clsTSingleList::Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        m_grid.SetGridColRow(Slots + 1, RankRow, lngWidth, lngHeight);
        m_grid.SetColWidth(1, GridStyle::pixelsX(112));
        m_grid.SetFontSize(10);
        for (int grade = 1; grade <= 3; ++grade)
            m_grid.SetCaption(1, grade, TextWidth::toFullWidth(QString::number(grade) + QStringLiteral("等推定金額")));
        m_grid.SetCaption(1, MarkRow, QStringLiteral("1-0-2マーク"));
        m_grid.SetCaption(1, RankRow, QStringLiteral("1-2-3番人気"));
        for (int col = 2; col <= Slots + 1; ++col)
            for (int row = Money1Row; row <= Money3Row; ++row)
                m_grid.SetAlignment(col, row, clsGrid::AlignRight);
        m_grid.BackColorRow(Money2Row, WinColor::LightYellow);
        m_grid.BackColorRow(MarkRow, WinColor::LightYellow);
        GridStyle::fitArea(m_grid);
        m_grid.Refresh();
        return 0;
    });
}

void clsTSingleList::SetData(int lngSlot, qint32 lngValue)
{
    m_err.guard(QStringLiteral("SetData_Sub"), 0, [&] {
        fillColumn(lngSlot + 2, lngValue);
        return 0;
    });
    m_grid.Refresh();
}

void clsTSingleList::fillColumn(int col, qint32 single)
{
    if (single < 0) {
        for (int row = Money1Row; row <= RankRow; ++row)
            m_grid.SetCaption(col, row, QString());
        return;
    }
    std::array<qint32, Matches> marks{};
    m_number.NoToLong(single, marks);
    m_grid.SetCaption(col, Money1Row, GetMoneyText(m_money.GetMoney1(marks)));
    m_grid.SetCaption(col, Money2Row, GetMoneyText(m_money.GetMoney2(marks)));
    m_grid.SetCaption(col, Money3Row, GetMoneyText(m_money.GetMoney3(marks)));

    std::array<int, 3> byMark{};
    std::array<int, 3> byRank{};
    for (int match = 0; match < Matches; ++match) {
        const auto mark = std::size_t(marks[std::size_t(match)]);
        ++byMark.at(mark);
        ++byRank.at(m_rank[std::size_t(match)].at(mark));
    }
    m_grid.SetCaption(col, MarkRow, joinCounts({byMark[1], byMark[0], byMark[2]}));
    m_grid.SetCaption(col, RankRow, m_ranksPresent ? joinCounts(byRank) : QString());
}

void clsTSingleList::SetVoteData(const VoteData &vote)
{
    m_money.SetVoteData(vote);
    m_rank = {};
    m_ranksPresent = vote.Kaisaikai != 0;
    if (!m_ranksPresent)
        return;
    clsQuickSort sorter;
    std::vector<qint32> order;
    for (int match = 0; match < Matches; ++match) {
        const auto &votes = vote.Game[std::size_t(match + 1)].Votes;
        std::array<Money, RoundData::MarkCount> counts{votes[0].Count, votes[1].Count, votes[2].Count};
        sorter.CurrencyIndexSort(counts, order, true);
        // Ascending: the least voted outcome comes first and gets rank 2.
        for (int position = 0; position < RoundData::MarkCount; ++position)
            m_rank[std::size_t(match)][std::size_t(order[std::size_t(position)])] = quint8(2 - position);
    }
}
