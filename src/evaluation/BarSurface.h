#pragma once

#include <QList>
#include <QtGlobal>

class VoteBars;

// One segment of a bar: its place from the bar's left edge, and the colour of
// each pixel row from the top (Windows colour values, &HBBGGRR).
struct BarSegmentDrawing
{
    int left = 0;
    int width = 0;
    QList<quint32> rowColors;
};

// One bar of a strip as a refresh hands it to the window layer, in pixels of
// the strip's picture area.
struct BarDrawing
{
    int index = 0;   // 0-based
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QList<BarSegmentDrawing> segments;

    bool contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// The picture area a bar strip draws on and whose bar clicks it reports. The
// window layer implements it; tests put a recording one in its place.
class BarSurface
{
public:
    virtual ~BarSurface() = default;

    // The strip that draws here and receives the clicks; nullptr detaches it.
    virtual void attachBars(VoteBars *bars) = 0;
    // Every bar of the strip, drawn together.
    virtual void drawBars(const QList<BarDrawing> &bars) = 0;
};
