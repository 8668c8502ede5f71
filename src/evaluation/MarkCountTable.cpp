#include "evaluation/MarkCountTable.h"

#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

namespace {

constexpr int Matches = 14;
constexpr int TextWidth = 7;
// Columns 1, 2, 3 show the marks "1", "0", "2".
constexpr int MarkOfColumn[3] = {1, 0, 2};

} // namespace

MarkCountTable::MarkCountTable(QObject *parent)
    : QObject(parent)
{
    connect(&m_grid, &CellGrid::MouseClick, this, &MarkCountTable::onMouseClick);
}

void MarkCountTable::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        GridStyle::markColumns(m_grid, width, height);
        GridStyle::fitArea(m_grid);
        return 0;
    });
}

void MarkCountTable::attach(GridSurface *area)
{
    m_grid.attachSurface(area);
}

void MarkCountTable::move(int left, int top)
{
    m_grid.surface()->moveSurface(left, top);
}

bool MarkCountTable::visible() const
{
    return m_grid.isInitialized() && m_grid.surface()->isSurfaceVisible();
}

void MarkCountTable::setVisible(bool on)
{
    if (m_grid.isInitialized())
        m_grid.surface()->setSurfaceVisible(on);
}

void MarkCountTable::setPercent(bool on)
{
    m_percent = on;
    refresh();
}

void MarkCountTable::setValue(const MarkCounts &value)
{
    m_count = value;
    refresh();
}

void MarkCountTable::setVisible(const MatchFlags &visible)
{
    m_visible = visible;
}

void MarkCountTable::setColor(const MatchFlags &coloured)
{
    m_color = coloured;
}

void MarkCountTable::clear()
{
    m_count = {};
    refresh();
}

QString MarkCountTable::cellText(int match, int mark) const
{
    const qint32 count = m_count[std::size_t(mark)][std::size_t(match)];
    QString text;
    if (count != 0 || m_visible[std::size_t(match)][std::size_t(mark)]) {
        if (!m_percent) {
            text = QString::number(count);
        } else {
            const qint64 total = qint64(m_count[0][std::size_t(match)]) + m_count[1][std::size_t(match)]
                + m_count[2][std::size_t(match)];
            text = u' '
                + (total != 0 ? Format::fixed(double(count) / double(total) * 100.0, 0) : QStringLiteral("0"))
                + u'%';
        }
    }
    return text.rightJustified(TextWidth, u' ').right(TextWidth);
}

void MarkCountTable::refresh()
{
    m_err.guard(QStringLiteral("Refresh"), 0, [&] {
        for (int match = 0; match < Matches; ++match) {
            const int row = rowOfMatch(match);
            m_grid.backColorRow(row, match % 2 == 0 ? WinColor::White : WinColor::LightYellow);
            for (int col = 1; col <= 3; ++col) {
                const int mark = MarkOfColumn[col - 1];
                m_grid.setCaption(col, row, cellText(match, mark));
                const bool blue = m_color[std::size_t(match)][std::size_t(mark)];
                m_grid.setForeColor(col, row, blue ? WinColor::Blue : WinColor::Black);
            }
        }
        m_grid.refresh();
        return 0;
    });
}

void MarkCountTable::onMouseClick(int button, int shift, int col, int row)
{
    if (row < 2)
        return;
    setPercent(!m_percent);
    Q_EMIT Click(button, shift, col, row);
}
