#pragma once

#include "evaluation/BarSurface.h"

#include <QObject>

#include <array>

// The vote bars of the match list: one bar per match, under the match's vote
// rates, split left to right into the shares of the votes for "1", "0" and
// "2", each segment shaded from the top. A bar without votes is grey. The
// strip works out every pixel's colour; its surface only fills rectangles.
class VoteBars : public QObject
{
    Q_OBJECT

public:
    static constexpr int BarCount = 14;
    // Layout pixels at 96 dots per inch.
    static constexpr int BarWidth = 203;
    static constexpr int BarHeight = 7;

    explicit VoteBars(QObject *parent = nullptr);
    ~VoteBars() override;

    // Places the bars on the surface, every count 0 and every bar hidden.
    void initialize(BarSurface *surface);
    // The page's bar area takes the bars as they stand.
    void attachSurface(BarSurface *surface);
    // The surface is going away; the strip keeps its bars and draws nothing more.
    void detachSurface() { m_surface = nullptr; }
    // Counts of the votes for "1", "0" and "2" of bar index (0-based).
    void setValue(int index, qint32 count1, qint32 count0, qint32 count2);
    void setVisible(int index, bool on);
    void refresh();

    BarDrawing bar(int index) const;
    // Segments of a bar of the given size: three shares of the counts, or one
    // grey segment when there are no votes.
    static QList<BarSegmentDrawing> segments(int width, int height, const std::array<qint32, 3> &counts);
    // The pixel rows of a segment: the base colour, 30 lighter, then 12 and
    // every further row 18 darker than the row above.
    static QList<quint32> shading(quint32 base, int height);

    // A click on bar index (0-based), from the surface.
    void barClick(int index);

Q_SIGNALS:
    // The 1-based match of the clicked bar.
    void Click(int index);

private:
    struct BarState
    {
        std::array<qint32, 3> counts{};
        bool visible = false;
    };

    BarSurface *m_surface = nullptr;
    std::array<BarState, BarCount> m_bars{};
};
