#include "gui/HistoryChartView.h"

#include "gui/JapaneseFont.h"
#include "gui/QtColor.h"
#include "history/HistoryChart.h"
#include "cellgrid/CellGrid.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

Qt::Alignment toQt(int alignment)
{
    switch (alignment) {
    case CellGrid::AlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    case CellGrid::AlignCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

HistoryChartView::HistoryChartView(QWidget *parent)
    : QWidget(parent)
    , m_font(JapaneseFont::make(9))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int HistoryChartView::textWidth(const QString &text) const
{
    return QFontMetrics(m_font).horizontalAdvance(text);
}

int HistoryChartView::textHeight() const
{
    return QFontMetrics(m_font).height();
}

void HistoryChartView::drawChart(const ChartDrawing &drawing)
{
    QImage picture(drawing.size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(m_font);
    for (const ChartDrawing::Line &line : drawing.lines) {
        painter.setPen(QtColor::fromWin(line.color));
        painter.drawLine(line.from, line.to);
    }
    for (const ChartDrawing::Box &box : drawing.boxes)
        painter.fillRect(box.rect, QtColor::fromWin(box.color));
    if (drawing.running.size() > 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QtColor::fromWin(drawing.runningColor), 1.5));
        painter.drawPolyline(drawing.running.constData(), int(drawing.running.size()));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    for (const ChartDrawing::Text &text : drawing.texts) {
        painter.setPen(QtColor::fromWin(text.color));
        painter.drawText(text.box, int(toQt(text.alignment)), text.text);
    }
    painter.end();
    m_picture = picture;
    update();
}

void HistoryChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, m_picture);
}

void HistoryChartView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_chart)
        m_chart->refresh();
}
