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

void SheetMatchGrid::initialize(GridSurface *surface, int height)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        m_grid.initialize(surface);
        m_grid.setGridColRow(4, Matches + 1, 50, height);
        GridStyle::headerRow(m_grid);
        m_grid.setColWidth(NoColumn, GridStyle::pixelsX(20));
        const QString headers[] = {QStringLiteral("開催日"), QStringLiteral("No"), QStringLiteral("ホーム"),
                                   QStringLiteral("アウェイ")};
        for (int col = DateColumn; col <= AwayColumn; ++col)
            m_grid.setCaption(col, 1, headers[col - 1]);
        for (int match = 1; match <= Matches; ++match)
            m_grid.setCaption(NoColumn, match + 1, QString::number(match));
        GridStyle::bandRows(m_grid, 3);
        GridStyle::fitArea(m_grid);
        m_grid.refresh();
        return 0;
    });
}

void SheetMatchGrid::setScheduleData(const ScheduleData &schedule)
{
    if (!m_grid.isInitialized()) {
        m_err.reportInitializeError(QStringLiteral("Schedure"));
        return;
    }
    m_err.guard(QStringLiteral("Schedure"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const ScheduleGame &game = schedule.game[std::size_t(match)];
            m_grid.setCaption(DateColumn, match + 1, gameDay(game.gameDate));
            m_grid.setCaption(HomeColumn, match + 1, game.home);
            m_grid.setCaption(AwayColumn, match + 1, game.away);
        }
        m_grid.refresh();
        return 0;
    });
}
