#include "common/RecordingBarSurface.h"

#include "evaluation/clsTGraphEx.h"

RecordingBarSurface::~RecordingBarSurface()
{
    if (m_bars)
        m_bars->DetachSurface();
}

void RecordingBarSurface::click(int index)
{
    if (m_bars)
        m_bars->BarClick(index);
}
