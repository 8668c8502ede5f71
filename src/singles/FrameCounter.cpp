#include "singles/FrameCounter.h"

#include <algorithm>

void FrameCounter::getSingleFrame(qint32 singleCount, std::span<const qint32> singles, MarkCounts &frame)
{
    const std::size_t count = std::min(std::size_t(std::max(singleCount, 0)), singles.size());
    FrameCounter counter;
    for (const qint32 code : singles.first(count))
        counter.add(code);
    frame = counter.frame();
}

MarkCounts FrameCounter::frame() const
{
    MarkCounts frame{};
    const auto addHalves = [&frame](const std::array<qint32, HalfCount> &occurrences, int firstMatch) {
        for (quint32 half = 0; half < HalfCount; ++half) {
            const qint32 times = occurrences[half];
            if (times == 0)
                continue;
            quint32 rest = half;
            for (int match = firstMatch; match < firstMatch + HalfMatches; ++match, rest /= 3)
                frame[rest % 3][std::size_t(match)] += times;
        }
    };
    addHalves(m_low, 0);
    addHalves(m_high, HalfMatches);
    return frame;
}
