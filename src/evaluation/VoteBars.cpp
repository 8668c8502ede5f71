#include "evaluation/VoteBars.h"

#include "support/Convert.h"
#include "support/DisplayScale.h"
#include "support/Money.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 NoVotes = WinColor::rgb(200, 200, 200);
// "1", "0", "2": light blue, light yellow, light red.
constexpr quint32 SegmentColor[3] = {WinColor::rgb(160, 160, 225), WinColor::rgb(225, 225, 160),
                                     WinColor::rgb(225, 160, 160)};

int channel(int value)
{
    return std::clamp(value, 0, 255);
}

quint32 shifted(quint32 color, int by)
{
    return WinColor::rgb(channel(WinColor::red(color) + by), channel(WinColor::green(color) + by),
                         channel(WinColor::blue(color) + by));
}

// A share of the votes to four decimals, half to even.
double share(qint32 count, qint64 total)
{
    return Money::fromDouble(double(count) / double(total)).toDouble();
}

int scaledDown(double layoutPixels)
{
    return int(std::floor(DisplayScale::scaleY(layoutPixels)));
}

} // namespace

VoteBars::VoteBars(QObject *parent)
    : QObject(parent)
{
}

VoteBars::~VoteBars()
{
    if (m_surface)
        m_surface->attachBars(nullptr);
}

void VoteBars::initialize(BarSurface *surface)
{
    if (m_surface)
        m_surface->attachBars(nullptr);
    m_surface = surface;
    m_bars = {};
    if (m_surface)
        m_surface->attachBars(this);
    refresh();
}

void VoteBars::attachSurface(BarSurface *surface)
{
    if (m_surface == surface)
        return;
    if (m_surface)
        m_surface->attachBars(nullptr);
    m_surface = surface;
    if (m_surface)
        m_surface->attachBars(this);
    refresh();
}

void VoteBars::setValue(int index, qint32 count1, qint32 count0, qint32 count2)
{
    m_bars.at(std::size_t(index)).counts = {count1, count0, count2};
}

void VoteBars::setVisible(int index, bool on)
{
    m_bars.at(std::size_t(index)).visible = on;
}

void VoteBars::refresh()
{
    if (!m_surface)
        return;
    QList<BarDrawing> bars;
    for (int index = 0; index < BarCount; ++index)
        bars.append(bar(index));
    m_surface->drawBars(bars);
}

BarDrawing VoteBars::bar(int index) const
{
    const auto &bar = m_bars.at(std::size_t(index));
    BarDrawing drawing;
    drawing.index = index;
    drawing.visible = bar.visible;
    drawing.left = GridStyle::pixelsX(1);
    // Under the rates of its match: one match row (and its grid line) per bar.
    drawing.top = scaledDown(15) + int(std::floor(DisplayScale::scaleY(21) + 1)) * index;
    drawing.width = GridStyle::pixelsX(BarWidth);
    drawing.height = GridStyle::pixelsY(BarHeight);
    drawing.segments = segments(drawing.width, drawing.height, bar.counts);
    return drawing;
}

QList<BarSegmentDrawing> VoteBars::segments(int width, int height, const std::array<qint32, 3> &counts)
{
    const qint64 total = qint64(counts[0]) + counts[1] + counts[2];
    if (total == 0)
        return {{0, width, QList<quint32>(std::max(height, 0), NoVotes)}};
    const int first = std::clamp(Convert::roundToLong(width * share(counts[0], total)), 0, width);
    const int second = std::clamp(Convert::roundToLong(width * share(counts[1], total)), 0, width - first);
    const int widths[3] = {first, second, width - first - second};
    QList<BarSegmentDrawing> segments;
    int left = 0;
    for (int segment = 0; segment < 3; ++segment) {
        segments.append({left, widths[segment], shading(SegmentColor[segment], height)});
        left += widths[segment];
    }
    return segments;
}

QList<quint32> VoteBars::shading(quint32 base, int height)
{
    QList<quint32> rows;
    int by = 0;
    for (int row = 0; row < height; ++row) {
        by = row == 0 ? 0 : row == 1 ? 30 : row == 2 ? by - 12 : by - 18;
        rows.append(shifted(base, by));
    }
    return rows;
}

void VoteBars::barClick(int index)
{
    if (index >= 0 && index < BarCount)
        Q_EMIT Click(index + 1);
}
