#include "history/HistoryTable.h"

#include "history/HistoryReport.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

namespace {

// Layout pixels of the columns before the grades, of a grade, and after them.
constexpr int LeadingWidths[] = {56, 30, 110, 64, 90};
constexpr int GradeWidth = 50;
constexpr int TrailingWidths[] = {100, 100, 100, 150};
constexpr int LeadingColumns = int(std::size(LeadingWidths));
constexpr int FileColumn = 3;
constexpr int SinglesColumn = 4;

// Names and notes lean left, figures right, the rest is centred; the note
// column is the last.
qint16 alignmentOf(int col, int cols)
{
    if (col == FileColumn || col == cols)
        return clsGrid::AlignLeft;
    return col >= SinglesColumn ? clsGrid::AlignRight : clsGrid::AlignCenter;
}

} // namespace

void HistoryTable::Initialize(GridSurface *objPictureBox)
{
    m_grid.Initialize(objPictureBox);
    SetRows({});
}

int HistoryTable::RowAt(int lngRow) const
{
    const int index = lngRow - 2;
    return index >= 0 && index < m_rowCount ? index : -1;
}

void HistoryTable::layOut(int gradeColumns, int rows)
{
    const int cols = LeadingColumns + gradeColumns + int(std::size(TrailingWidths));
    m_grid.SetGridColRow(cols, rows + 2, 60, 21);
    GridStyle::headerRow(m_grid);
    m_grid.SetFontSize(10);
    int col = 1;
    for (const int width : LeadingWidths)
        m_grid.SetColWidth(col++, GridStyle::pixelsX(width));
    for (int g = 1; g <= gradeColumns; ++g)
        m_grid.SetColWidth(col++, GridStyle::pixelsX(GradeWidth));
    for (const int width : TrailingWidths)
        m_grid.SetColWidth(col++, GridStyle::pixelsX(width));
    GridStyle::bandRows(m_grid, 3);
    m_grid.BackColorRow(rows + 2, WinColor::ButtonFace);
}

void HistoryTable::SetRows(const QList<HistoryRow> &rows)
{
    m_rowCount = int(rows.size());
    const int gradeColumns = HistoryReport::GradeColumns(rows);
    layOut(gradeColumns, m_rowCount);
    const int cols = m_grid.Cols();
    const int firstGrade = LeadingColumns + 1;
    const int prizeColumn = firstGrade + gradeColumns;
    const QStringList headings = HistoryReport::Headings(gradeColumns);
    for (int col = 1; col <= cols; ++col)
        m_grid.SetCaption(col, 1, headings[col - 1]);

    const auto fill = [&](int gridRow, const QStringList &fields) {
        for (int col = 1; col <= cols; ++col) {
            const QString &text = fields[col - 1];
            m_grid.SetCaption(col, gridRow, text);
            m_grid.SetAlignment(col, gridRow, alignmentOf(col, cols));
            if (col >= firstGrade && col < prizeColumn)
                m_grid.SetForeColor(col, gridRow, WinColor::Blue);
            else if (col > prizeColumn && col < cols)
                colourAmount(col, gridRow, text);
        }
    };
    for (int i = 0; i < m_rowCount; ++i)
        fill(i + 2, HistoryReport::Fields(rows[i], gradeColumns, HistoryReport::GroupedNumber));
    fill(m_rowCount + 2, HistoryReport::TotalFields(HistoryReport::Totals(rows), gradeColumns,
                                                     HistoryReport::GroupedNumber));
    GridStyle::fitArea(m_grid);
    m_grid.Refresh();
}

void HistoryTable::colourAmount(int col, int row, const QString &text)
{
    const bool loss = text.startsWith(u'-');
    const bool gain = !loss && !text.trimmed().isEmpty() && text.trimmed() != QStringLiteral("0");
    m_grid.SetForeColor(col, row, loss ? WinColor::Red : gain ? WinColor::Blue : WinColor::Black);
}
