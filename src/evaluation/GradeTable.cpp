#include "evaluation/GradeTable.h"

#include "lottery/LotteryRules.h"
#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <numeric>

namespace {

constexpr int GradeCodes = 15;
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

void clsTResultGrade::Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        m_grid.SetGridColRow(3, GradeCodes + 1, lngWidth, lngHeight);
        GridStyle::headerRow(m_grid);
        m_grid.SetColWidth(1, GridStyle::pixelsX(40));
        m_grid.SetColWidth(2, GridStyle::pixelsX(70));
        m_grid.SetColWidth(3, GridStyle::pixelsX(40));
        m_grid.SetFontSize(11);
        m_grid.SetCaption(2, 1, QStringLiteral("口数"));
        m_grid.SetCaption(3, 1, QStringLiteral("比率"));
        for (int grade = 1; grade <= GradeCodes; ++grade) {
            m_grid.SetCaption(1, rowOfGrade(grade), QString::number(grade) + u'等');
            m_grid.SetAlignment(2, rowOfGrade(grade), clsGrid::AlignRight);
            m_grid.SetAlignment(3, rowOfGrade(grade), clsGrid::AlignRight);
        }
        GridStyle::bandRows(m_grid, 3);
        GridStyle::fitArea(m_grid);
        m_grid.Refresh();
        return 0;
    });
}

void clsTResultGrade::SetValue(const GradeCounts &lngValue, int lngKaisaikai)
{
    m_count = lngValue;
    redraw(lngKaisaikai);
}

void clsTResultGrade::Clear(int lngKaisaikai)
{
    m_count.fill(0);
    redraw(lngKaisaikai);
}

void clsTResultGrade::redraw(int kaisaikai)
{
    m_err.guard(QStringLiteral("SetValue"), 0, [&] {
        const qint64 total = std::accumulate(m_count.begin(), m_count.end(), qint64(0));
        for (int grade = 1; grade <= GradeCodes; ++grade) {
            const qint32 count = m_count[std::size_t(grade - 1)];
            m_grid.SetCaption(2, rowOfGrade(grade), Format::grouped(count));
            m_grid.SetCaption(3, rowOfGrade(grade), percentText(count, total));
        }
        const int maxGrade = clsToto::GetMaxGrade(kaisaikai);
        for (int grade = 1; grade <= HighestPossibleGrade; ++grade)
            m_grid.ForeColorRow(rowOfGrade(grade), grade <= maxGrade ? WinColor::Blue : WinColor::Black);
        m_grid.Refresh();
        return 0;
    });
}
