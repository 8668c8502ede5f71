#pragma once

#include "evaluation/EvaluationTables.h"
#include "lottery/SingleCode.h"

#include <QList>
#include <QtGlobal>

#include <array>
#include <span>

// The single frame of a list: per mark code and match how many singles carry
// that mark. The main window recounts it after every whole-list replacement so
// that its frame always matches its list.
//
// A code splits into two halves of seven matches each (matches 1 … 7 and
// 8 … 14). Counting how often each half occurs and unpacking every half once
// at the end keeps the walk over a long list at two increments per single.
class FrameCounter
{
public:
    // The frame of the first singleCount singles (at most the whole list); a
    // code that is no single (outside 0 … 3^14 − 1) is not counted.
    static void getSingleFrame(qint32 singleCount, std::span<const qint32> singles, MarkCounts &frame);
    static void getSingleFrame(qint32 singleCount, const QList<qint32> &singles, MarkCounts &frame)
    {
        getSingleFrame(singleCount, std::span<const qint32>(singles.constData(), std::size_t(singles.size())),
                       frame);
    }

    // Counting one single at a time.
    void add(qint32 code)
    {
        if (!SingleCode::isValidCode(code))
            return;
        const quint32 upper = quint32(code) / HalfCount;
        ++m_high[upper];
        ++m_low[quint32(code) - upper * HalfCount];
    }
    // The frame of the singles counted so far.
    MarkCounts frame() const;

private:
    static constexpr int HalfMatches = 7;
    static constexpr quint32 HalfCount = 2187;   // 3^7

    std::array<qint32, HalfCount> m_low{};
    std::array<qint32, HalfCount> m_high{};
};
