#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// What the 収支履歴's chart hands the window layer at a refresh, in pixels
// of its picture area; colours are Windows colour values (&HBBGGRR).
struct ChartDrawing
{
    struct Box
    {
        QRect rect;
        quint32 color = 0;
    };
    struct Line
    {
        QPoint from;
        QPoint to;
        quint32 color = 0;
    };
    struct Text
    {
        QRect box;
        QString text;
        int alignment = 0;   // as CellGrid: 0 left, 1 right, 2 centred
        quint32 color = 0;
    };

    QSize size;
    QList<Line> lines;        // scale lines and the zero axis, under everything
    QList<Box> boxes;         // the bars and the legend's sample
    QList<QPoint> running;    // the line of the running balance, joined in order
    quint32 runningColor = 0;
    QList<Text> texts;
};

// The picture area the chart draws on: it tells its size and measures text
// in the font it draws with. The window layer implements it; tests put a
// recording one in its place.
class ChartSurface
{
public:
    virtual ~ChartSurface() = default;

    virtual QSize chartSize() const = 0;
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight() const = 0;
    virtual void drawChart(const ChartDrawing &drawing) = 0;
};
