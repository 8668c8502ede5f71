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

clsTCount::clsTCount(QObject *parent)
    : QObject(parent)
{
    connect(&m_grid, &clsGrid::MouseClick, this, &clsTCount::onMouseClick);
}

void clsTCount::Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        GridStyle::markColumns(m_grid, lngWidth, lngHeight);
        GridStyle::fitArea(m_grid);
        return 0;
    });
}

void clsTCount::Attach(GridSurface *area)
{
    m_grid.AttachSurface(area);
}

void clsTCount::Move(int left, int top)
{
    m_grid.Surface()->moveSurface(left, top);
}

bool clsTCount::Visible() const
{
    return m_grid.IsInitialized() && m_grid.Surface()->isSurfaceVisible();
}

void clsTCount::SetVisible(bool blnValue)
{
    if (m_grid.IsInitialized())
        m_grid.Surface()->setSurfaceVisible(blnValue);
}

void clsTCount::SetPercent(bool blnValue)
{
    m_percent = blnValue;
    Refresh();
}

void clsTCount::SetValue(const MarkCounts &lngValue)
{
    m_count = lngValue;
    Refresh();
}

void clsTCount::SetVisible(const MatchFlags &blnVisible)
{
    m_visible = blnVisible;
}

void clsTCount::SetColor(const MatchFlags &blnColor)
{
    m_color = blnColor;
}

void clsTCount::Clear()
{
    m_count = {};
    Refresh();
}

QString clsTCount::cellText(int match, int mark) const
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

void clsTCount::Refresh()
{
    m_err.guard(QStringLiteral("Refresh"), 0, [&] {
        for (int match = 0; match < Matches; ++match) {
            const int row = rowOfMatch(match);
            m_grid.BackColorRow(row, match % 2 == 0 ? WinColor::White : WinColor::LightYellow);
            for (int col = 1; col <= 3; ++col) {
                const int mark = MarkOfColumn[col - 1];
                m_grid.SetCaption(col, row, cellText(match, mark));
                const bool blue = m_color[std::size_t(match)][std::size_t(mark)];
                m_grid.SetForeColor(col, row, blue ? WinColor::Blue : WinColor::Black);
            }
        }
        m_grid.Refresh();
        return 0;
    });
}

void clsTCount::onMouseClick(int button, int shift, int col, int row)
{
    if (row < 2)
        return;
    SetPercent(!m_percent);
    Q_EMIT Click(button, shift, col, row);
}
