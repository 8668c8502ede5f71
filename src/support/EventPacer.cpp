#include "support/EventPacer.h"

#include <chrono>
#include <utility>

EventPacer::EventPacer(Clock clock)
    : m_clock(std::move(clock))
{
}

bool EventPacer::due()
{
    const qint64 now = m_clock();
    if (m_lastRun && now - *m_lastRun < IntervalMs)
        return false;
    m_lastRun = now;
    return true;
}

qint64 EventPacer::steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
