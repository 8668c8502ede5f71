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
    lines.add(QStringLiteral("SaleStart"), record.SaleStart);
    lines.add(QStringLiteral("SaleEnd"), record.SaleEnd);
    lines.add(QStringLiteral("ResultDate"), record.ResultDate);
    lines.add(QStringLiteral("RefundStart"), record.RefundStart);
    lines.add(QStringLiteral("RefundEnd"), record.RefundEnd);
}

} // namespace

QStringList describe(const ScheduleData &schedule)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), schedule.Kaisaikai);
    lines.add(QStringLiteral("Kumi"), schedule.Kumi);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.Game[std::size_t(match)];
        lines.add(gameField(match, "Home"), game.Home);
        lines.add(gameField(match, "Away"), game.Away);
        lines.add(gameField(match, "GameDate"), game.GameDate);
        lines.add(gameField(match, "StartTime"), game.StartTime);
        lines.add(gameField(match, "Stadium"), game.Stadium);
        lines.add(gameField(match, "Status"), game.Status);
    }
    addRoundDates(lines, schedule);
    lines.add(QStringLiteral("State"), schedule.State);
    return lines.take();
}

QStringList describe(const VoteData &vote)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), vote.Kaisaikai);
    lines.add(QStringLiteral("Kumi"), vote.Kumi);
    lines.add(QStringLiteral("VoteTime"), vote.VoteTime);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteGame &game = vote.Game[std::size_t(match)];
        lines.add(gameField(match, "Home"), game.Home);
        lines.add(gameField(match, "Away"), game.Away);
        lines.add(gameField(match, "GameDate"), game.GameDate);
        lines.add(gameField(match, "StartTime"), game.StartTime);
        for (int mark = 0; mark < RoundData::MarkCount; ++mark) {
            const QString share = gameField(match, "Votes") + QStringLiteral("[%1]").arg(mark);
            lines.add(share + QStringLiteral(".Count"), game.Votes[std::size_t(mark)].Count);
            lines.add(share + QStringLiteral(".Rate"), game.Votes[std::size_t(mark)].Rate);
        }
    }
    lines.add(QStringLiteral("SalesTotal"), vote.SalesTotal);
    lines.add(QStringLiteral("SalesMulti"), vote.SalesMulti);
    lines.add(QStringLiteral("SalesSingle"), vote.SalesSingle);
    lines.add(QStringLiteral("UnitsTotal"), vote.UnitsTotal);
    lines.add(QStringLiteral("UnitsMulti"), vote.UnitsMulti);
    lines.add(QStringLiteral("UnitsSingle"), vote.UnitsSingle);
    lines.add(QStringLiteral("SheetsTotal"), vote.SheetsTotal);
    lines.add(QStringLiteral("SheetsMulti"), vote.SheetsMulti);
    lines.add(QStringLiteral("SheetsSingle"), vote.SheetsSingle);
    addRoundDates(lines, vote);
    return lines.take();
}

QStringList describe(const ResultData &result)
{
    Lines lines;
    lines.add(QStringLiteral("Kaisaikai"), result.Kaisaikai);
    lines.add(QStringLiteral("Kumi"), result.Kumi);
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ResultGame &game = result.Game[std::size_t(match)];
        lines.add(gameField(match, "GameDate"), game.GameDate);
        lines.add(gameField(match, "Outcome"), game.Outcome);
        lines.add(gameField(match, "Stadium"), game.Stadium);
        lines.add(gameField(match, "Home"), game.Home);
        lines.add(gameField(match, "Away"), game.Away);
        lines.add(gameField(match, "HomeScore"), game.HomeScore);
        lines.add(gameField(match, "AwayScore"), game.AwayScore);
    }
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        lines.add(QStringLiteral("Prize[%1]").arg(grade), result.Prize[std::size_t(grade)]);
        lines.add(QStringLiteral("Winners[%1]").arg(grade), result.Winners[std::size_t(grade)]);
        lines.add(QStringLiteral("CarryOver[%1]").arg(grade), result.CarryOver[std::size_t(grade)]);
    }
    addRoundDates(lines, result);
    lines.add(QStringLiteral("Sales"), result.Sales);
    lines.add(QStringLiteral("Units"), result.Units);
    lines.add(QStringLiteral("Sheets"), result.Sheets);
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
