#pragma once

#include "history/ChartSurface.h"

#include <QFont>
#include <QImage>
#include <QWidget>

class HistoryChart;

// The picture area of the 収支履歴's chart: paints what the chart lays out
// into an image of its own, in the program's font, and has the chart lay
// itself out again whenever the area changes size.
class HistoryChartView : public QWidget, public ChartSurface
{
    Q_OBJECT

public:
    explicit HistoryChartView(QWidget *parent = nullptr);

    void attachChart(HistoryChart *chart) { m_chart = chart; }

    QSize chartSize() const override { return size(); }
    int textWidth(const QString &text) const override;
    int textHeight() const override;
    void drawChart(const ChartDrawing &drawing) override;

    // What the area shows.
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    HistoryChart *m_chart = nullptr;
    QFont m_font;
    QImage m_picture;
};
