#include "evaluation/ResultGrid.h"

#include "lottery/LotteryRules.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

namespace {

constexpr int Columns = 10;
constexpr int Matches = 14;
constexpr int GradeRow = Matches + 2;

// The cell colour of each hit-table entry; the colours double as picture keys.
constexpr quint32 HitColor[5] = {
    WinColor::Red,      // the mark misses
    WinColor::Blue,     // hits the official result
    WinColor::Blue,     // hits an assumed outcome
    WinColor::Yellow,   // cancelled match
    WinColor::White,    // open match
};

} // namespace

void clsTResultGrid::Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        m_grid.SetGridColRow(Columns, GradeRow, lngWidth, lngHeight);
        m_grid.SetFontSize(11);
        for (int col = 1; col <= Columns; ++col)
            m_grid.SetCaption(col, 1, QString::number(col));
        GridStyle::headerRow(m_grid);
        GridStyle::fitArea(m_grid);
        m_grid.Refresh();
        return 0;
    });
}

void clsTResultGrid::SetColorImage(const QVariant &objImage, quint32 lngColor)
{
    m_grid.SetColorImage(objImage, lngColor);
}

void clsTResultGrid::SetValue(int lngNo, const Marks &bytValue, const Hits &bytColor, int lngKaisaikai)
{
    m_err.guard(QStringLiteral("SetValue"), 0, [&] {
        const int col = lngNo + 1;
        for (int match = 1; match <= Matches; ++match) {
            m_grid.SetCaption(col, match + 1, QString::number(bytValue[std::size_t(match - 1)]));
            const quint8 hit = bytColor[std::size_t(match - 1)];
            if (hit < std::size(HitColor))
                m_grid.SetBackColor(col, match + 1, HitColor[hit]);
        }
        const int gradeCode = bytValue[Matches];
        m_grid.SetCaption(col, GradeRow, QString::number(gradeCode));
        m_grid.SetBackColor(col, GradeRow,
                            gradeCode <= clsToto::GetMaxGrade(lngKaisaikai) ? WinColor::Green : WinColor::White);
        return 0;
    });
}

void clsTResultGrid::SetClear(int lngNo)
{
    m_err.guard(QStringLiteral("SetClear"), 0, [&] {
        for (int row = 2; row <= GradeRow; ++row) {
            m_grid.SetCaption(lngNo + 1, row, QString());
            m_grid.SetBackColor(lngNo + 1, row, WinColor::White);
        }
        return 0;
    });
}

void clsTResultGrid::Clear()
{
    for (int no = 0; no < Columns; ++no)
        SetClear(no);
    Refresh();
}

void clsTResultGrid::Refresh()
{
    m_grid.Refresh();
}
