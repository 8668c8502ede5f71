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
class clsTSingleList
{
public:
    static constexpr int Slots = 10;

    void Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area) { m_grid.AttachSurface(area); }
    // Fills the column of a page slot (0 … 9) with a single, or empties it for -1.
    void SetData(int lngSlot, qint32 lngValue);
    void SetVoteData(const VoteData &vote);

    // An estimate as the table writes it: "8500円", "1.23万", "123万", "1.5億", "123億", "****億".
    static QString GetMoneyText(Money curValue);

    // Popularity rank of a mark on a match (0-based): 0 most voted, 1 second, 2 third.
    quint8 Rank(int match, int mark) const { return m_rank[std::size_t(match)][std::size_t(mark)]; }
    bool RanksPresent() const { return m_ranksPresent; }
    const clsGrid &Grid() const { return m_grid; }

private:
    void fillColumn(int col, qint32 single);

    ErrorReporter m_err{QStringLiteral("clsTSingleList")};
    clsGrid m_grid;
    clsTNumber m_number;
    clsTMoney m_money;
    std::array<std::array<quint8, RoundData::MarkCount>, RoundData::MatchCount> m_rank{};
    bool m_ranksPresent = false;
};
