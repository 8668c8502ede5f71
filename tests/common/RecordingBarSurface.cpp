#include "common/RecordingBarSurface.h"

#include "evaluation/VoteBars.h"

RecordingBarSurface::~RecordingBarSurface()
{
    if (m_bars)
        m_bars->detachSurface();
}

void RecordingBarSurface::click(int index)
{
    if (m_bars)
        m_bars->barClick(index);
}
