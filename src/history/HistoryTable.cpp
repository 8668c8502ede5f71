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
        return CellGrid::AlignLeft;
    return col >= SinglesColumn ? CellGrid::AlignRight : CellGrid::AlignCenter;
}

} // namespace

void HistoryTable::initialize(GridSurface *surface)
{
    m_grid.initialize(surface);
    setRows({});
}

int HistoryTable::rowAt(int row) const
{
    const int index = row - 2;
    return index >= 0 && index < m_rowCount ? index : -1;
}

void HistoryTable::layOut(int gradeColumns, int rows)
{
    const int cols = LeadingColumns + gradeColumns + int(std::size(TrailingWidths));
    m_grid.setGridColRow(cols, rows + 2, 60, 21);
    GridStyle::headerRow(m_grid);
    m_grid.setFontSize(10);
    int col = 1;
    for (const int width : LeadingWidths)
        m_grid.setColWidth(col++, GridStyle::pixelsX(width));
    for (int g = 1; g <= gradeColumns; ++g)
        m_grid.setColWidth(col++, GridStyle::pixelsX(GradeWidth));
    for (const int width : TrailingWidths)
        m_grid.setColWidth(col++, GridStyle::pixelsX(width));
    GridStyle::bandRows(m_grid, 3);
    m_grid.backColorRow(rows + 2, WinColor::ButtonFace);
}

void HistoryTable::setRows(const QList<HistoryRow> &rows)
{
    m_rowCount = int(rows.size());
    const int gradeColumns = HistoryReport::gradeColumns(rows);
    layOut(gradeColumns, m_rowCount);
    const int cols = m_grid.cols();
    const int firstGrade = LeadingColumns + 1;
    const int prizeColumn = firstGrade + gradeColumns;
    const QStringList headings = HistoryReport::headings(gradeColumns);
    for (int col = 1; col <= cols; ++col)
        m_grid.setCaption(col, 1, headings[col - 1]);

    const auto fill = [&](int gridRow, const QStringList &fields) {
        for (int col = 1; col <= cols; ++col) {
            const QString &text = fields[col - 1];
            m_grid.setCaption(col, gridRow, text);
            m_grid.setAlignment(col, gridRow, alignmentOf(col, cols));
            if (col >= firstGrade && col < prizeColumn)
                m_grid.setForeColor(col, gridRow, WinColor::Blue);
            else if (col > prizeColumn && col < cols)
                colourAmount(col, gridRow, text);
        }
    };
    for (int i = 0; i < m_rowCount; ++i)
        fill(i + 2, HistoryReport::fields(rows[i], gradeColumns, HistoryReport::groupedNumber));
    fill(m_rowCount + 2, HistoryReport::totalFields(HistoryReport::totals(rows), gradeColumns,
                                                     HistoryReport::groupedNumber));
    GridStyle::fitArea(m_grid);
    m_grid.refresh();
}

void HistoryTable::colourAmount(int col, int row, const QString &text)
{
    const bool loss = text.startsWith(u'-');
    const bool gain = !loss && !text.trimmed().isEmpty() && text.trimmed() != QStringLiteral("0");
    m_grid.setForeColor(col, row, loss ? WinColor::Red : gain ? WinColor::Blue : WinColor::Black);
}
