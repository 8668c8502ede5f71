#pragma once

#include "evaluation/BarSurface.h"

#include <QList>

// A bar surface for tests: keeps every refresh's bars and clicks bars.
class RecordingBarSurface : public BarSurface
{
public:
    ~RecordingBarSurface() override;

    void attachBars(VoteBars *bars) override { m_bars = bars; }
    void drawBars(const QList<BarDrawing> &bars) override { m_drawings.append(bars); }

    VoteBars *bars() const { return m_bars; }
    int refreshes() const { return int(m_drawings.size()); }
    // The bars of the last refresh; empty before the first.
    QList<BarDrawing> lastBars() const { return m_drawings.isEmpty() ? QList<BarDrawing>{} : m_drawings.last(); }
    // A click on a bar, 0-based, as the window layer reports it.
    void click(int index);

private:
    VoteBars *m_bars = nullptr;
    QList<QList<BarDrawing>> m_drawings;
};
