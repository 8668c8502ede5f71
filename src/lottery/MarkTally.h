#pragma once

#include <QtGlobal>

#include <array>
#include <span>

// How many marks of a single are "0", "1" and "2" (indexed by mark code); a
// mark outside 0 … 2 is not counted.
inline std::array<int, 3> markTally(std::span<const qint32> marks)
{
    std::array<int, 3> counts{};
    for (const qint32 mark : marks)
        if (mark >= 0 && mark < 3)
            ++counts[mark];
    return counts;
}
