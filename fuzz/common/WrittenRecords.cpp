#include "common/WrittenRecords.h"

#include "lottery/LotteryRules.h"

namespace WrittenRecords {

namespace {

QString written(const QString &text)
{
    QString kept = Fuzz::throughSjis(text);
    kept.replace(u'<', QChar(0xFF1C));
    kept.replace(u'>', QChar(0xFF1E));
    return kept;
}

template<typename Game>
void writeNames(Game &game)
{
    game.Home = written(game.Home);
    game.Away = written(game.Away);
}

} // namespace

ScheduleData asWritten(ScheduleData schedule)
{
    schedule.Kumi = written(schedule.Kumi);
    for (ScheduleGame &game : schedule.Game) {
        writeNames(game);
        game.Stadium = written(game.Stadium);
        game.Status = written(game.Status);
    }
    schedule.Game[0] = ScheduleGame();
    // Only a cancelled round writes its state; it has no result date then.
    if (schedule.State == ScheduleData::StateCancelled)
        schedule.ResultDate = OleDate();
    else
        schedule.State = ScheduleData::StateHeld;
    schedule.RefundStart = OleDate();
    schedule.RefundEnd = OleDate();
    return schedule;
}

VoteData asWritten(VoteData vote)
{
    VoteData kept;
    kept.Kaisaikai = vote.Kaisaikai;
    kept.VoteTime = vote.VoteTime;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        kept.Game[match] = vote.Game[match];
        writeNames(kept.Game[match]);
    }
    return kept;
}

ResultData asWritten(ResultData result)
{
    ResultData kept;
    kept.Kaisaikai = result.Kaisaikai;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = kept.Game[match];
        game = result.Game[match];
        game.GameDate = OleDate();
        game.Stadium.clear();
        writeNames(game);
    }
    kept.Cancelled = result.Cancelled;
    kept.ResultDate = result.ResultDate;
    kept.RefundStart = result.RefundStart;
    kept.RefundEnd = result.RefundEnd;
    if (result.Cancelled)
        return kept;
    for (int grade = 1; grade <= clsToto::GetMaxGrade(result.Kaisaikai); ++grade) {
        kept.Prize[grade] = result.Prize[grade];
        kept.Winners[grade] = result.Winners[grade];
        kept.CarryOver[grade] = result.CarryOver[grade];
    }
    kept.SaleStart = result.SaleStart;
    kept.SaleEnd = result.SaleEnd;
    kept.Sales = result.Sales;
    kept.Units = result.Units;
    kept.Sheets = result.Sheets;
    return kept;
}

} // namespace WrittenRecords
