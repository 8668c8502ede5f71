#pragma once

#include "evaluation/EvaluationTables.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

#include <QObject>

class GridSurface;

// The count table: per match how many singles carry the mark 1, 0 or 2, as
// counts or as percentages; outcomes marked in the game-state selector in blue.
// A click on a data row switches between counts and percentages.
class MarkCountTable : public QObject
{
    Q_OBJECT

public:
    explicit MarkCountTable(QObject *parent = nullptr);

    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area);

    void move(int left, int top);
    // The table's visibility is its picture area's.
    bool visible() const;
    void setVisible(bool on);
    bool percent() const { return m_percent; }
    void setPercent(bool on);

    void setValue(const MarkCounts &value);
    // Which zero counts are shown as 0 (or 0%) instead of staying blank. No redraw.
    void setVisible(const MatchFlags &visible);
    // Which cells are blue. No redraw.
    void setColor(const MatchFlags &coloured);
    void refresh();
    void clear();

    const CellGrid &grid() const { return m_grid; }

Q_SIGNALS:
    void Click(int Button, int Shift, int column, int row);

private:
    void onMouseClick(int button, int shift, int col, int row);
    QString cellText(int match, int mark) const;

    ErrorReporter m_err{QStringLiteral("clsTCount")};
    CellGrid m_grid;
    MarkCounts m_count{};
    MatchFlags m_visible{};
    MatchFlags m_color{};
    bool m_percent = false;
};
