#include "singles/SheetMatchGrid.h"

#include "support/Format.h"
#include "cellgrid/GridStyle.h"

namespace {

constexpr int Matches = RoundData::MatchCount;
enum Column { DateColumn = 1, NoColumn, HomeColumn, AwayColumn };

QString gameDay(const OleDate &date)
{
    return date.isSet() ? Format::monthDay(date) : QString();
}

} // namespace

void clsTSingleGame::Initialize(GridSurface *objPictureBox, int lngHeight)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.Initialize(objPictureBox);
        m_grid.SetGridColRow(4, Matches + 1, 50, lngHeight);
        GridStyle::headerRow(m_grid);
        m_grid.SetColWidth(NoColumn, GridStyle::pixelsX(20));
        const QString headers[] = {QStringLiteral("開催日"), QStringLiteral("No"), QStringLiteral("ホーム"),
                                   QStringLiteral("アウェイ")};
        for (int col = DateColumn; col <= AwayColumn; ++col)
            m_grid.SetCaption(col, 1, headers[col - 1]);
        for (int match = 1; match <= Matches; ++match)
            m_grid.SetCaption(NoColumn, match + 1, QString::number(match));
        GridStyle::bandRows(m_grid, 3);
        GridStyle::fitArea(m_grid);
        m_grid.Refresh();
        return 0;
    });
}

void clsTSingleGame::SetScheduleData(const ScheduleData &schedule)
{
    if (!m_grid.IsInitialized()) {
        m_err.reportInitializeError(QStringLiteral("Schedure"));
        return;
    }
    m_err.guard(QStringLiteral("Schedure"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const ScheduleGame &game = schedule.Game[std::size_t(match)];
            m_grid.SetCaption(DateColumn, match + 1, gameDay(game.GameDate));
            m_grid.SetCaption(HomeColumn, match + 1, game.Home);
            m_grid.SetCaption(AwayColumn, match + 1, game.Away);
        }
        m_grid.Refresh();
        return 0;
    });
}
