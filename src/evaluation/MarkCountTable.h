#pragma once

#include "evaluation/EvaluationTables.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

#include <QObject>

class GridSurface;

// The count table: per match how many singles carry the mark 1, 0 or 2, as
// counts or as percentages; outcomes marked in the game-state selector in blue.
// A click on a data row switches between counts and percentages.
class clsTCount : public QObject
{
    Q_OBJECT

public:
    explicit clsTCount(QObject *parent = nullptr);

    void Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area);

    void Move(int left, int top);
    // The table's visibility is its picture area's.
    bool Visible() const;
    void SetVisible(bool blnValue);
    bool Percent() const { return m_percent; }
    void SetPercent(bool blnValue);

    void SetValue(const MarkCounts &lngValue);
    // Which zero counts are shown as 0 (or 0%) instead of staying blank. No redraw.
    void SetVisible(const MatchFlags &blnVisible);
    // Which cells are blue. No redraw.
    void SetColor(const MatchFlags &blnColor);
    void Refresh();
    void Clear();

    const clsGrid &Grid() const { return m_grid; }

Q_SIGNALS:
    void Click(int Button, int Shift, int lngCol, int lngRow);

private:
    void onMouseClick(int button, int shift, int col, int row);
    QString cellText(int match, int mark) const;

    ErrorReporter m_err{QStringLiteral("clsTCount")};
    clsGrid m_grid;
    MarkCounts m_count{};
    MatchFlags m_visible{};
    MatchFlags m_color{};
    bool m_percent = false;
};
