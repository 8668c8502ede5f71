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
    game.home = written(game.home);
    game.away = written(game.away);
}

} // namespace

ScheduleData asWritten(ScheduleData schedule)
{
    schedule.group = written(schedule.group);
    for (ScheduleGame &game : schedule.game) {
        writeNames(game);
        game.stadium = written(game.stadium);
        game.status = written(game.status);
    }
    schedule.game[0] = ScheduleGame();
    // Only a cancelled round writes its state; it has no result date then.
    if (schedule.State == ScheduleData::StateCancelled)
        schedule.resultDate = OleDate();
    else
        schedule.State = ScheduleData::StateHeld;
    schedule.refundStart = OleDate();
    schedule.refundEnd = OleDate();
    return schedule;
}

VoteData asWritten(VoteData vote)
{
    VoteData kept;
    kept.roundNumber = vote.roundNumber;
    kept.voteTime = vote.voteTime;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        kept.game[match] = vote.game[match];
        writeNames(kept.game[match]);
    }
    return kept;
}

ResultData asWritten(ResultData result)
{
    ResultData kept;
    kept.roundNumber = result.roundNumber;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = kept.game[match];
        game = result.game[match];
        game.gameDate = OleDate();
        game.stadium.clear();
        writeNames(game);
    }
    kept.Cancelled = result.Cancelled;
    kept.resultDate = result.resultDate;
    kept.refundStart = result.refundStart;
    kept.refundEnd = result.refundEnd;
    if (result.Cancelled)
        return kept;
    for (int grade = 1; grade <= LotteryRules::getMaxGrade(result.roundNumber); ++grade) {
        kept.prize[grade] = result.prize[grade];
        kept.winners[grade] = result.winners[grade];
        kept.carryOver[grade] = result.carryOver[grade];
    }
    kept.saleStart = result.saleStart;
    kept.saleEnd = result.saleEnd;
    kept.sales = result.sales;
    kept.units = result.units;
    kept.sheets = result.sheets;
    return kept;
}

} // namespace WrittenRecords
