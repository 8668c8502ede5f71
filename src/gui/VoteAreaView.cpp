#include "gui/VoteAreaView.h"

#include "gui/QtColor.h"
#include "evaluation/VoteBars.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

VoteAreaView::VoteAreaView(QWidget *parent)
    : GridView(parent)
{
}

VoteAreaView::~VoteAreaView()
{
    if (m_bars)
        m_bars->detachSurface();
}

void VoteAreaView::attachBars(VoteBars *bars)
{
    m_bars = bars;
}

void VoteAreaView::drawBars(const QList<BarDrawing> &bars)
{
    m_drawings = bars;
    update();
}

void VoteAreaView::paintBars(QPainter &painter) const
{
    for (const BarDrawing &bar : m_drawings) {
        if (!bar.visible)
            continue;
        for (const BarSegmentDrawing &segment : bar.segments)
            for (int row = 0; row < segment.rowColors.size(); ++row)
                painter.fillRect(QRect(bar.left + segment.left, bar.top + row, segment.width, 1),
                                 QtColor::fromWin(segment.rowColors[row]));
    }
}

QImage VoteAreaView::picture() const
{
    QImage shown = canvas();
    QPainter painter(&shown);
    paintBars(painter);
    return shown;
}

void VoteAreaView::paintEvent(QPaintEvent *event)
{
    GridView::paintEvent(event);
    QPainter painter(this);
    paintBars(painter);
}

int VoteAreaView::barAt(QPoint at) const
{
    for (const BarDrawing &bar : m_drawings)
        if (bar.visible && bar.contains(at.x(), at.y()))
            return bar.index;
    return -1;
}

void VoteAreaView::mousePressEvent(QMouseEvent *event)
{
    m_pressedBar = barAt(event->position().toPoint());
    if (m_pressedBar < 0)
        GridView::mousePressEvent(event);
}

void VoteAreaView::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = std::exchange(m_pressedBar, -1);
    if (pressed < 0) {
        GridView::mouseReleaseEvent(event);
        return;
    }
    if (m_bars && barAt(event->position().toPoint()) == pressed)
        m_bars->barClick(pressed);
}
