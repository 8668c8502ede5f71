#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

// Paces the window's pending events during long work. The work offers them
// every so many items; they run at an offer only once Interval has passed
// since they last ran, so that a quick pass over millions of singles does not
// spend its time serving the window, while the window is still served often
// enough to be moved and redrawn.
class EventPacer
{
public:
    static constexpr qint64 IntervalMs = 40;
    // Milliseconds from any fixed start, never going back.
    using Clock = std::function<qint64()>;

    explicit EventPacer(Clock clock = steadyMilliseconds);

    // True when the events are due now: at the first offer, then at the
    // first offer Interval or more after the last one that was due.
    bool due();

private:
    static qint64 steadyMilliseconds();

    Clock m_clock;
    std::optional<qint64> m_lastRun;
};
