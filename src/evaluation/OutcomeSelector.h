#pragma once

#include "evaluation/EvaluationTables.h"
#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

#include <QObject>

class GridSurface;

// The game-state selector: per match which outcome is the official result
// (◎), which one the user assumes (○), or that the match is cancelled (－).
// The user edits it with the mouse; every change is reported with Change.
class OutcomeSelector : public QObject
{
    Q_OBJECT

public:
    // Values of the game-state table.
    enum State : qint32 { None = 0, Official = 1, Assumed = 2, Cancelled = 3 };

    explicit OutcomeSelector(QObject *parent = nullptr);

    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area);
    // The round's result tells an official outcome (◎) from an assumption (○).
    void setResult(const ResultData &result);
    GameStateTable getValue() const { return m_value; }
    void setValue(const GameStateTable &value);
    // True where the game-state value is greater than 0.
    MatchFlags getVisible() const;
    // The pop-up menu's choice for the clicked match: 0 is "中止".
    void setPopup(int Index);
    void clear();

    // The items of the pop-up menu of a match row.
    static QStringList popupItems();

    const CellGrid &grid() const { return m_grid; }

Q_SIGNALS:
    // The table differs from the one last reported; Click when the mouse or
    // the pop-up menu changed it.
    void Change(bool Click);

private:
    void onMouseClick(int button, int shift, int col, int row);
    void toggle(int match, int outcome);
    void redraw(bool click);

    ErrorReporter m_err{QStringLiteral("clsTMultiResult")};
    CellGrid m_grid;
    GameStateTable m_value{};
    GameStateTable m_reported{};
    ResultData m_result;
    int m_clickedMatch = -1;   // 0-based; -1 before the first click on a match
    int m_clickedOutcome = 0;
};
