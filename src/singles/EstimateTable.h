#pragma once

#include "evaluation/PrizeEstimator.h"
#include "rounddata/RoundData.h"
#include "lottery/SingleCode.h"
#include "support/ErrorReporter.h"
#include "support/Money.h"
#include "cellgrid/CellGrid.h"

#include <array>

class GridSurface;

// The estimate table beside the single sheet: one column per single of the
// page with its estimated prize in grades 1 to 3, how many of its marks are
// "1", "0" and "2", and how many fall on the most, second and third most
// voted outcome of their match.
class EstimateTable
{
public:
    static constexpr int Slots = 10;

    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area) { m_grid.attachSurface(area); }
    // Fills the column of a page slot (0 … 9) with a single, or empties it for -1.
    void setData(int slot, qint32 value);
    void setVoteData(const VoteData &vote);

    // An estimate as the table writes it: "8500円", "1.23万", "123万", "1.5億", "123億", "****億".
    static QString getMoneyText(Money amount);

    // Popularity rank of a mark on a match (0-based): 0 most voted, 1 second, 2 third.
    quint8 rank(int match, int mark) const { return m_rank[std::size_t(match)][std::size_t(mark)]; }
    bool ranksPresent() const { return m_ranksPresent; }
    const CellGrid &grid() const { return m_grid; }

private:
    void fillColumn(int col, qint32 single);

    ErrorReporter m_err{QStringLiteral("clsTSingleList")};
    CellGrid m_grid;
    SingleCode m_number;
    PrizeEstimator m_money;
    std::array<std::array<quint8, RoundData::MarkCount>, RoundData::MatchCount> m_rank{};
    bool m_ranksPresent = false;
};
