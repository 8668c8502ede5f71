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

QString EstimateTable::getMoneyText(Money amount)
{
    constexpr qint64 Yen = Money::Scale;
    constexpr qint64 Man = 10'000 * Yen;
    constexpr qint64 Oku = 100'000'000 * Yen;
    const qint64 raw = amount.raw();
    if (raw == 0)
        return {};
    if (raw < Man)
        return amount.toString() + u'円';
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
    if (raw < PrizeEstimator::Ceiling * Yen)
        return QString::number(raw / Oku) + u'億';
    return QStringLiteral("****億");
}

void EstimateTable::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        m_grid.setGridColRow(Slots + 1, RankRow, width, height);
        m_grid.setColWidth(1, GridStyle::pixelsX(112));
        m_grid.setFontSize(10);
        for (int grade = 1; grade <= 3; ++grade)
            m_grid.setCaption(1, grade, TextWidth::toFullWidth(QString::number(grade) + QStringLiteral("等推定金額")));
        m_grid.setCaption(1, MarkRow, QStringLiteral("1-0-2マーク"));
        m_grid.setCaption(1, RankRow, QStringLiteral("1-2-3番人気"));
        for (int col = 2; col <= Slots + 1; ++col)
            for (int row = Money1Row; row <= Money3Row; ++row)
                m_grid.setAlignment(col, row, CellGrid::AlignRight);
        m_grid.backColorRow(Money2Row, WinColor::LightYellow);
        m_grid.backColorRow(MarkRow, WinColor::LightYellow);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void EstimateTable::setData(int slot, qint32 value)
{
    m_err.guard(QStringLiteral("SetData_Sub"), 0, [&] {
        fillColumn(slot + 2, value);
        return 0;
    });
    m_grid.refresh();
}

void EstimateTable::fillColumn(int col, qint32 single)
{
    if (single < 0) {
        for (int row = Money1Row; row <= RankRow; ++row)
            m_grid.setCaption(col, row, QString());
        return;
    }
    std::array<qint32, Matches> marks{};
    m_number.codeToInts(single, marks);
    m_grid.setCaption(col, Money1Row, getMoneyText(m_money.getMoney1(marks)));
    m_grid.setCaption(col, Money2Row, getMoneyText(m_money.getMoney2(marks)));
    m_grid.setCaption(col, Money3Row, getMoneyText(m_money.getMoney3(marks)));

    std::array<int, 3> byMark{};
    std::array<int, 3> byRank{};
    for (int match = 0; match < Matches; ++match) {
        const auto mark = std::size_t(marks[std::size_t(match)]);
        ++byMark.at(mark);
        ++byRank.at(m_rank[std::size_t(match)].at(mark));
    }
    m_grid.setCaption(col, MarkRow, joinCounts({byMark[1], byMark[0], byMark[2]}));
    m_grid.setCaption(col, RankRow, m_ranksPresent ? joinCounts(byRank) : QString());
}

void EstimateTable::setVoteData(const VoteData &vote)
{
    m_money.setVoteData(vote);
    m_rank = {};
    m_ranksPresent = vote.roundNumber != 0;
    if (!m_ranksPresent)
        return;
    QuickSort sorter;
    std::vector<qint32> order;
    for (int match = 0; match < Matches; ++match) {
        const auto &votes = vote.game[std::size_t(match + 1)].votes;
        std::array<Money, RoundData::MarkCount> counts{votes[0].count, votes[1].count, votes[2].count};
        sorter.currencyIndexSort(counts, order, true);
        // Ascending: the least voted outcome comes first and gets rank 2.
        for (int position = 0; position < RoundData::MarkCount; ++position)
            m_rank[std::size_t(match)][std::size_t(order[std::size_t(position)])] = quint8(2 - position);
    }
}
