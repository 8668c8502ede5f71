#include "RoundRecordText.h"

#include "support/Format.h"

#include <QDateTime>

namespace RoundRecordText {

namespace {

class Lines
{
public:
    void add(const QString &field, const QString &value) { m_lines << field + u'=' + value; }
    void add(const QString &field, qint64 value) { add(field, QString::number(value)); }
    void add(const QString &field, Money value) { add(field, value.toString()); }
    void add(const QString &field, OleDate value)
    {
        add(field, QStringLiteral("%1 (%2)").arg(Format::generalDate(value)).arg(value.value(), 0, 'g', 17));
    }
    QStringList take() { return std::move(m_lines); }

private:
    QStringList m_lines;
};

QString gameField(int match, const char *field)
{
    return QStringLiteral("Game[%1].%2").arg(match).arg(QLatin1String(field));
}

template<typename Record>
void addRoundDates(Lines &lines, const Record &record)
{
    lines.add(QStringLiteral("SaleStart"), record.saleStart);
    lines.add(QStringLiteral("SaleEnd"), record.saleEnd);
    lines.add(QStringLiteral("ResultDate"), record.resultDate);
    lines.add(QStringLiteral("RefundStart"), record.refundStart);
    lines.add(QStringLiteral("RefundEnd"), record.refundEnd);
}

} // namespace

QStringList describe(const ScheduleData &schedule)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), schedule.roundNumber);
    lines.add(QStringLiteral("Kumi"), schedule.group);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.game[std::size_t(match)];
        lines.add(gameField(match, "Home"), game.home);
        lines.add(gameField(match, "Away"), game.away);
        lines.add(gameField(match, "GameDate"), game.gameDate);
        lines.add(gameField(match, "StartTime"), game.startTime);
        lines.add(gameField(match, "Stadium"), game.stadium);
        lines.add(gameField(match, "Status"), game.status);
    }
    addRoundDates(lines, schedule);
    lines.add(QStringLiteral("State"), schedule.State);
    return lines.take();
}

QStringList describe(const VoteData &vote)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), vote.roundNumber);
    lines.add(QStringLiteral("Kumi"), vote.group);
    lines.add(QStringLiteral("VoteTime"), vote.voteTime);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteGame &game = vote.game[std::size_t(match)];
        lines.add(gameField(match, "Home"), game.home);
        lines.add(gameField(match, "Away"), game.away);
        lines.add(gameField(match, "GameDate"), game.gameDate);
        lines.add(gameField(match, "StartTime"), game.startTime);
        for (int mark = 0; mark < RoundData::MarkCount; ++mark) {
            const QString share = gameField(match, "Votes") + QStringLiteral("[%1]").arg(mark);
            lines.add(share + QStringLiteral(".Count"), game.votes[std::size_t(mark)].count);
            lines.add(share + QStringLiteral(".Rate"), game.votes[std::size_t(mark)].rate);
        }
    }
    lines.add(QStringLiteral("SalesTotal"), vote.salesTotal);
    lines.add(QStringLiteral("SalesMulti"), vote.salesMulti);
    lines.add(QStringLiteral("SalesSingle"), vote.salesSingle);
    lines.add(QStringLiteral("UnitsTotal"), vote.unitsTotal);
    lines.add(QStringLiteral("UnitsMulti"), vote.unitsMulti);
    lines.add(QStringLiteral("UnitsSingle"), vote.unitsSingle);
    lines.add(QStringLiteral("SheetsTotal"), vote.sheetsTotal);
    lines.add(QStringLiteral("SheetsMulti"), vote.sheetsMulti);
    lines.add(QStringLiteral("SheetsSingle"), vote.sheetsSingle);
    addRoundDates(lines, vote);
    return lines.take();
}

QStringList describe(const ResultData &result)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), result.roundNumber);
    lines.add(QStringLiteral("Kumi"), result.group);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ResultGame &game = result.game[std::size_t(match)];
        lines.add(gameField(match, "GameDate"), game.gameDate);
        lines.add(gameField(match, "Outcome"), game.Outcome);
        lines.add(gameField(match, "Stadium"), game.stadium);
        lines.add(gameField(match, "Home"), game.home);
        lines.add(gameField(match, "Away"), game.away);
        lines.add(gameField(match, "HomeScore"), game.homeScore);
        lines.add(gameField(match, "AwayScore"), game.awayScore);
    }
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        lines.add(QStringLiteral("Prize[%1]").arg(grade), result.prize[std::size_t(grade)]);
        lines.add(QStringLiteral("Winners[%1]").arg(grade), result.winners[std::size_t(grade)]);
        lines.add(QStringLiteral("CarryOver[%1]").arg(grade), result.carryOver[std::size_t(grade)]);
    }
    addRoundDates(lines, result);
    lines.add(QStringLiteral("Sales"), result.sales);
    lines.add(QStringLiteral("Units"), result.units);
    lines.add(QStringLiteral("Sheets"), result.sheets);
    lines.add(QStringLiteral("Cancelled"), result.Cancelled ? 1 : 0);
    return lines.take();
}

OleDate at(const QString &text)
{
    const QStringList parts = text.split(u' ');
    QDate date;
    QTime time;
    for (const QString &part : parts) {
        if (part.contains(u'/'))
            date = QDate::fromString(part, QStringLiteral("yyyy/MM/dd"));
        else
            time = QTime::fromString(part, QStringLiteral("H:mm"));
    }
    if (!date.isValid())
        return OleDate::fromTime(time);
    return time.isValid() ? OleDate::fromDateTime(date, time) : OleDate::fromDate(date);
}

} // namespace RoundRecordText
