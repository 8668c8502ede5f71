#include "evaluation/ConfirmedPrizeTable.h"

#include "lottery/LotteryRules.h"
#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

namespace {

constexpr int Grades = RoundData::GradeCount;
constexpr int TotalRow = Grades + 2;
enum Column { PrizeColumn = 2, WinnersColumn, CarryOverColumn, UserCountColumn, UserPrizeColumn };

int rowOfGrade(int grade)
{
    return grade + 1;
}

} // namespace

QString clsTResultKakutei::AmountText(Money amount)
{
    if (amount <= Money())
        return QStringLiteral("0 ");
    return Format::grouped(amount.roundedWholeUnits()) + u' ';
}

void clsTResultKakutei::Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        m_grid.SetGridColRow(6, TotalRow, lngWidth, lngHeight);
        GridStyle::headerRow(m_grid);
        const int widths[] = {110, 100, 120, 100, 100};
        for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
            m_grid.SetColWidth(col, GridStyle::pixelsX(widths[col - PrizeColumn]));
        m_grid.SetFontSize(10);
        const QString headings[] = {QStringLiteral("当せん金"), QStringLiteral("当せん口数"), QStringLiteral("繰越金"),
                                    QStringLiteral("当せん口数"), QStringLiteral("当せん金額")};
        for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
            m_grid.SetCaption(col, 1, headings[col - PrizeColumn]);
        for (int grade = 1; grade <= Grades; ++grade)
            m_grid.SetCaption(1, rowOfGrade(grade), QString::number(grade) + u'等');
        m_grid.SetCaption(1, TotalRow, QStringLiteral("合計"));
        for (int row = 2; row <= TotalRow; ++row)
            for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
                m_grid.SetAlignment(col, row, clsGrid::AlignRight);
        for (int row = 1; row <= TotalRow; ++row) {
            m_grid.SetForeColor(UserCountColumn, row, WinColor::Blue);
            m_grid.SetForeColor(UserPrizeColumn, row, WinColor::Blue);
        }
        for (const int row : {3, 5, 7})
            m_grid.BackColorRow(row, WinColor::LightYellow);
        GridStyle::fitArea(m_grid);
        m_grid.Refresh();
        return 0;
    });
}

void clsTResultKakutei::SetResult(const ResultData &result)
{
    m_result = result;
    redraw();
}

void clsTResultKakutei::SetValue(const GradeCounts &lngValue)
{
    m_count = lngValue;
    redraw();
}

void clsTResultKakutei::Clear()
{
    m_result = ResultData();
    m_count.fill(0);
    redraw();
}

void clsTResultKakutei::redraw()
{
    m_err.guard(QStringLiteral("Redraw"), 0, [&] {
        // Amounts by row (grades, then the totals) and column.
        std::array<std::array<Money, UserPrizeColumn + 1>, TotalRow + 1> amount{};
        auto &total = amount[TotalRow];
        for (int grade = 1; grade <= Grades; ++grade) {
            auto &line = amount[std::size_t(rowOfGrade(grade))];
            const Money prize = m_result.Prize[std::size_t(grade)];
            const Money winners = m_result.Winners[std::size_t(grade)];
            const Money count = Money::fromWhole(m_count[std::size_t(grade - 1)]);
            line[PrizeColumn] = prize;
            line[WinnersColumn] = winners;
            line[CarryOverColumn] = m_result.CarryOver[std::size_t(grade)];
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
                text[std::size_t(row)][std::size_t(col)] = AmountText(amount[std::size_t(row)][std::size_t(col)]);
                allZero = allZero && text[std::size_t(row)][std::size_t(col)] == AmountText(Money());
            }
        }
        for (int row = 2; row <= TotalRow; ++row)
            for (int col = PrizeColumn; col <= UserPrizeColumn; ++col)
                m_grid.SetCaption(col, row, allZero ? QString() : text[std::size_t(row)][std::size_t(col)]);

        const int maxGrade = clsToto::GetMaxGrade(m_result.Kaisaikai);
        for (int grade = 1; grade <= Grades; ++grade) {
            const quint32 color = grade <= maxGrade ? WinColor::Blue : WinColor::Black;
            m_grid.SetForeColor(UserCountColumn, rowOfGrade(grade), color);
            m_grid.SetForeColor(UserPrizeColumn, rowOfGrade(grade), color);
        }
        m_grid.Refresh();
        return 0;
    });
}
