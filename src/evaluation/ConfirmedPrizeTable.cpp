#include "evaluation/ConfirmedPrizeTable.h"

#include "lottery/LotteryRules.h"
#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

namespace {

constexpr int grades = RoundData::GradeCount;
constexpr int TotalRow = grades + 2;
enum Column { PrizeColumn = 2, WinnersColumn, CarryOverColumn, UserCountColumn, UserPrizeColumn };

int rowOfGrade(int grade)
{
    return grade + 1;
}

} // namespace

QString ConfirmedPrizeTable::amountText(Money amount)
{
    if (amount <= Money())
        return QStringLiteral("0 ");
    return Format::grouped(amount.roundedWholeUnits()) + u' ';
}

void ConfirmedPrizeTable::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        m_grid.setGridColRow(6, TotalRow, width, height);
        GridStyle::headerRow(m_grid);
        const int widths[] = {110, 100, 120, 100, 100};
        for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
            m_grid.setColWidth(col, GridStyle::pixelsX(widths[col - PrizeColumn]));
        m_grid.setFontSize(10);
        const QString headings[] = {QStringLiteral("当せん金"), QStringLiteral("当せん口数"), QStringLiteral("繰越金"),
                                    QStringLiteral("当せん口数"), QStringLiteral("当せん金額")};
        for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
            m_grid.setCaption(col, 1, headings[col - PrizeColumn]);
        for (int grade = 1; grade <= grades; ++grade)
            m_grid.setCaption(1, rowOfGrade(grade), QString::number(grade) + u'等');
        m_grid.setCaption(1, TotalRow, QStringLiteral("合計"));
        for (int row = 2; row <= TotalRow; ++row)
            for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
                m_grid.setAlignment(col, row, CellGrid::AlignRight);
        for (int row = 1; row <= TotalRow; ++row) {
            m_grid.setForeColor(UserCountColumn, row, WinColor::Blue);
            m_grid.setForeColor(UserPrizeColumn, row, WinColor::Blue);
        }
        for (const int row : {3, 5, 7})
            m_grid.backColorRow(row, WinColor::LightYellow);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void ConfirmedPrizeTable::setResult(const ResultData &result)
{
    m_result = result;
    redraw();
}

void ConfirmedPrizeTable::setValue(const GradeCounts &value)
{
    m_count = value;
    redraw();
}

void ConfirmedPrizeTable::clear()
{
    m_result = ResultData();
    m_count.fill(0);
    redraw();
}

void ConfirmedPrizeTable::redraw()
{
    m_err.guard(QStringLiteral("Redraw"), 0, [&] {
        // Amounts by row (grades, then the totals) and column.
        std::array<std::array<Money, UserPrizeColumn + 1>, TotalRow + 1> amount{};
        auto &total = amount[TotalRow];
        for (int grade = 1; grade <= grades; ++grade) {
            auto &line = amount[std::size_t(rowOfGrade(grade))];
            const Money prize = m_result.prize[std::size_t(grade)];
            const Money winners = m_result.winners[std::size_t(grade)];
            const Money count = Money::fromWhole(m_count[std::size_t(grade - 1)]);
            line[PrizeColumn] = prize;
            line[WinnersColumn] = winners;
            line[CarryOverColumn] = m_result.carryOver[std::size_t(grade)];
            line[UserCountColumn] = count;
            line[UserPrizeColumn] = prize * count;
            // The total of the prize column is the whole payout, not a sum of prizes.
            total[PrizeColumn] += prize * winners;
            for (int col = WinnersColumn; col <= UserPrizeColumn; ++col)
                total[std::size_t(col)] += line[std::size_t(col)];
        }

        std::array<std::array<QString, UserPrizeColumn + 1>, TotalRow + 1> text{};
        bool allZero = true;
        for (int row = 2; row <= TotalRow; ++row) {
            for (int col = PrizeColumn; col <= UserPrizeColumn; ++col) {
                text[std::size_t(row)][std::size_t(col)] = amountText(amount[std::size_t(row)][std::size_t(col)]);
                allZero = allZero && text[std::size_t(row)][std::size_t(col)] == amountText(Money());
            }
        }
        for (int row = 2; row <= TotalRow; ++row)
            for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
                m_grid.setCaption(col, row, allZero ? QString() : text[std::size_t(row)][std::size_t(col)]);

        const int maxGrade = LotteryRules::getMaxGrade(m_result.roundNumber);
        for (int grade = 1; grade <= grades; ++grade) {
            const quint32 color = grade <= maxGrade ? WinColor::Blue : WinColor::Black;
            m_grid.setForeColor(UserCountColumn, rowOfGrade(grade), color);
            m_grid.setForeColor(UserPrizeColumn, rowOfGrade(grade), color);
        }
        m_grid.refresh();
        return 0;
    });
}
