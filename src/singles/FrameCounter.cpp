#include "singles/FrameCounter.h"

#include <algorithm>

void clsTSingleFrame::GetSingleFrame(qint32 lngSCount, std::span<const qint32> lngSingle, MarkCounts &lngSingleFrame)
{
    const std::size_t count = std::min(std::size_t(std::max(lngSCount, 0)), lngSingle.size());
    clsTSingleFrame counter;
    for (const qint32 code : lngSingle.first(count))
        counter.Add(code);
    lngSingleFrame = counter.Frame();
}

MarkCounts clsTSingleFrame::Frame() const
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
