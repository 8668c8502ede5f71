#include "evaluation/GradeTable.h"

#include "lottery/LotteryRules.h"
#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <numeric>

namespace {

constexpr int gradeCodes = 15;
// Only the grades the lottery can have are ever recoloured.
constexpr int HighestPossibleGrade = 6;

int rowOfGrade(int gradeCode)
{
    return gradeCode + 1;
}

QString percentText(qint32 count, qint64 total)
{
    if (total == 0)
        return QStringLiteral("0%");
    return Format::fixed(double(count) / double(total) * 100.0, 0) + u'%';
}

} // namespace

void GradeTable::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        m_grid.setGridColRow(3, gradeCodes + 1, width, height);
        GridStyle::headerRow(m_grid);
        m_grid.setColWidth(1, GridStyle::pixelsX(40));
        m_grid.setColWidth(2, GridStyle::pixelsX(70));
        m_grid.setColWidth(3, GridStyle::pixelsX(40));
        m_grid.setFontSize(11);
        m_grid.setCaption(2, 1, QStringLiteral("口数"));
        m_grid.setCaption(3, 1, QStringLiteral("比率"));
        for (int grade = 1; grade <= gradeCodes; ++grade) {
            m_grid.setCaption(1, rowOfGrade(grade), QString::number(grade) + u'等');
            m_grid.setAlignment(2, rowOfGrade(grade), CellGrid::AlignRight);
            m_grid.setAlignment(3, rowOfGrade(grade), CellGrid::AlignRight);
        }
        GridStyle::bandRows(m_grid, 3);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void GradeTable::setValue(const GradeCounts &value, int roundNumber)
{
    m_count = value;
    redraw(roundNumber);
}

void GradeTable::clear(int roundNumber)
{
    m_count.fill(0);
    redraw(roundNumber);
}

void GradeTable::redraw(int roundNumber)
{
    m_err.guard(QStringLiteral("SetValue"), 0, [&] {
        const qint64 total = std::accumulate(m_count.begin(), m_count.end(), qint64(0));
        for (int grade = 1; grade <= gradeCodes; ++grade) {
            const qint32 count = m_count[std::size_t(grade - 1)];
            m_grid.setCaption(2, rowOfGrade(grade), Format::grouped(count));
            m_grid.setCaption(3, rowOfGrade(grade), percentText(count, total));
        }
        const int maxGrade = LotteryRules::getMaxGrade(roundNumber);
        for (int grade = 1; grade <= HighestPossibleGrade; ++grade)
            m_grid.foreColorRow(rowOfGrade(grade), grade <= maxGrade ? WinColor::Blue : WinColor::Black);
        m_grid.refresh();
        return 0;
    });
}
