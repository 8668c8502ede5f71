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
        qint32 roundNumber = 0;
        qint64 balance = 0;   // yen
        qint64 running = 0;
    };

    void initialize(ChartSurface *surface);
    // The surface is going away.
    void detachSurface() { m_surface = nullptr; }
    void setRows(const QList<HistoryRow> &rows);
    // Draws again at the surface's present size.
    void refresh();

    const QList<Round> &rounds() const { return m_rounds; }
    static QList<Round> roundsOf(const QList<HistoryRow> &rows);
    static ChartDrawing layout(const QList<Round> &rounds, const ChartSurface &metrics);

private:
    ChartSurface *m_surface = nullptr;
    QList<Round> m_rounds;
};
