#pragma once

#include "history/ChartSurface.h"
#include "history/HistoryRow.h"

#include <QList>

// The chart of the 収支履歴: one bar per round for its balance (gains above
// the axis in blue, losses below it in red, as the check page colours hits
// and misses), a line for the running balance and the round numbers along
// the axis, as many as fit without touching. Rows without a result are left
// out, several files of one round make one bar.
class HistoryChart
{
public:
    struct Round
    {
        qint32 Kaisaikai = 0;
        qint64 Balance = 0;   // yen
        qint64 Running = 0;
    };

    void Initialize(ChartSurface *surface);
    // The surface is going away.
    void DetachSurface() { m_surface = nullptr; }
    void SetRows(const QList<HistoryRow> &rows);
    // Draws again at the surface's present size.
    void Refresh();

    const QList<Round> &Rounds() const { return m_rounds; }
    static QList<Round> RoundsOf(const QList<HistoryRow> &rows);
    static ChartDrawing Layout(const QList<Round> &rounds, const ChartSurface &metrics);

private:
    ChartSurface *m_surface = nullptr;
    QList<Round> m_rounds;
};
