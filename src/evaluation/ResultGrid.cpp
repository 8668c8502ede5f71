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

void ResultGrid::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        m_grid.setGridColRow(Columns, GradeRow, width, height);
        m_grid.setFontSize(11);
        for (int col = 1; col <= Columns; ++col)
            m_grid.setCaption(col, 1, QString::number(col));
        GridStyle::headerRow(m_grid);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void ResultGrid::setColorImage(const QVariant &image, quint32 color)
{
    m_grid.setColorImage(image, color);
}

void ResultGrid::setValue(int code, const Marks &byteValue, const Hits &colorIndex, int roundNumber)
{
    m_err.guard(QStringLiteral("SetValue"), 0, [&] {
        const int col = code + 1;
        for (int match = 1; match <= Matches; ++match) {
            m_grid.setCaption(col, match + 1, QString::number(byteValue[std::size_t(match - 1)]));
            const quint8 hit = colorIndex[std::size_t(match - 1)];
            if (hit < std::size(HitColor))
                m_grid.setBackColor(col, match + 1, HitColor[hit]);
        }
        const int gradeCode = byteValue[Matches];
        m_grid.setCaption(col, GradeRow, QString::number(gradeCode));
        m_grid.setBackColor(col, GradeRow,
                            gradeCode <= LotteryRules::getMaxGrade(roundNumber) ? WinColor::Green : WinColor::White);
        return 0;
    });
}

void ResultGrid::setClear(int code)
{
    m_err.guard(QStringLiteral("SetClear"), 0, [&] {
        for (int row = 2; row <= GradeRow; ++row) {
            m_grid.setCaption(code + 1, row, QString());
            m_grid.setBackColor(code + 1, row, WinColor::White);
        }
        return 0;
    });
}

void ResultGrid::clear()
{
    for (int no = 0; no < Columns; ++no)
        setClear(no);
    refresh();
}

void ResultGrid::refresh()
{
    m_grid.refresh();
}
