#include "evaluation/OutcomeSelector.h"

#include "cellgrid/GridStyle.h"

namespace {

constexpr int Matches = RoundData::MatchCount;
// Columns 1, 2, 3 stand for the outcomes "1", "0", "2".
constexpr int OutcomeOfColumn[3] = {1, 0, 2};

QString markText(qint32 value)
{
    switch (value) {
    case OutcomeSelector::Official: return QStringLiteral("◎");
    case OutcomeSelector::Assumed: return QStringLiteral("○");
    case OutcomeSelector::Cancelled:
    case 4: return QStringLiteral("－");
    default: return QString();
    }
}

} // namespace

OutcomeSelector::OutcomeSelector(QObject *parent)
    : QObject(parent)
{
    connect(&m_grid, &CellGrid::MouseClick, this, &OutcomeSelector::onMouseClick);
}

QStringList OutcomeSelector::popupItems()
{
    return {QStringLiteral("中止")};
}

void OutcomeSelector::initialize(GridSurface *surface, int width, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        GridStyle::markColumns(m_grid, width, height);
        GridStyle::bandRows(m_grid, 3);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void OutcomeSelector::attach(GridSurface *area)
{
    m_grid.attachSurface(area);
}

void OutcomeSelector::setResult(const ResultData &result)
{
    m_result = result;
}

void OutcomeSelector::setValue(const GameStateTable &value)
{
    m_value = value;
    redraw(false);
}

MatchFlags OutcomeSelector::getVisible() const
{
    MatchFlags visible{};
    for (int match = 0; match < Matches; ++match)
        for (int outcome = 0; outcome < 3; ++outcome)
            visible[std::size_t(match)][std::size_t(outcome)] = m_value[std::size_t(match)][std::size_t(outcome)] > 0;
    return visible;
}

void OutcomeSelector::setPopup(int Index)
{
    if (Index == 0 && m_clickedMatch >= 0 && m_clickedMatch < Matches)
        m_value[std::size_t(m_clickedMatch)].fill(Cancelled);
    redraw(true);
}

void OutcomeSelector::clear()
{
    m_value = {};
    redraw(false);
}

void OutcomeSelector::onMouseClick(int button, int, int col, int row)
{
    m_clickedMatch = row - 2;
    m_clickedOutcome = OutcomeOfColumn[col - 1];
    if (row < 2)
        return;
    if (button == 1) {
        toggle(m_clickedMatch, m_clickedOutcome);
        redraw(true);
    } else if (button == 2) {
        const int chosen = m_grid.surface()->popupMenu(popupItems());
        if (chosen >= 0)
            setPopup(chosen);
    }
}

void OutcomeSelector::toggle(int match, int outcome)
{
    auto &states = m_value[std::size_t(match)];
    const qint32 old = states[std::size_t(outcome)];
    states.fill(None);
    if (old != None)
        return;   // a second click on a marked cell empties the match
    const bool official = m_result.roundNumber >= 1 && m_result.game[std::size_t(match + 1)].Outcome == outcome;
    states[std::size_t(outcome)] = official ? Official : Assumed;
}

void OutcomeSelector::redraw(bool click)
{
    m_err.guard(QStringLiteral("Redraw"), 0, [&] {
        for (int match = 0; match < Matches; ++match)
            for (int col = 1; col <= 3; ++col)
                m_grid.setCaption(col, rowOfMatch(match),
                                  markText(m_value[std::size_t(match)][std::size_t(OutcomeOfColumn[col - 1])]));
        m_grid.refresh();
        return 0;
    });
    if (m_value == m_reported)
        return;
    m_reported = m_value;
    Q_EMIT Change(click);
}
