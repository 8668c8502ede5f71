#include "common/HistoryFixtures.h"

#include "common/TestAppFolder.h"
#include "lottery/LotteryRules.h"
#include "rounddata/ResultFile.h"

#include <QDate>

namespace HistoryFixtures {

Money prizeOf(int grade)
{
    qint64 prize = 1;
    for (int power = 0; power < 9 - grade; ++power)
        prize *= 10;
    return Money::fromWhole(prize);
}

ResultData result(qint32 round, const QString &outcomes)
{
    ResultData result;
    result.roundNumber = round;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = result.game[std::size_t(match)];
        game.home = QStringLiteral("ホーム%1").arg(match);
        game.away = QStringLiteral("アウェイ%1").arg(match);
        game.Outcome = quint8(outcomes[match - 1].digitValue());
    }
    for (int grade = 1; grade <= LotteryRules::getMaxGrade(round); ++grade) {
        result.prize[std::size_t(grade)] = prizeOf(grade);
        result.winners[std::size_t(grade)] = Money::fromWhole(grade * 10);
    }
    result.saleStart = OleDate::fromDate(QDate(2025, 1, 4));
    result.saleEnd = OleDate::fromDate(QDate(2025, 1, 11));
    result.resultDate = OleDate::fromDate(QDate(2025, 1, 13));
    result.refundStart = OleDate::fromDate(QDate(2025, 1, 14));
    result.refundEnd = OleDate::fromDate(QDate(2026, 1, 13));
    result.sales = Money::fromWhole(1000000000);
    result.units = Money::fromWhole(3333333);
    result.sheets = Money::fromWhole(1000000);
    return result;
}

ResultData cancelledRound(qint32 round)
{
    ResultData cancelled = result(round, QString(RoundData::MatchCount, u'3'));
    cancelled.Cancelled = true;
    return cancelled;
}

void writeResult(const ResultData &result)
{
    ResultFile xml;
    xml.setResult(result);
    xml.xmlSave(xml.getFileName(result.roundNumber, result.group));
}

QString missing(const QString &outcomes, int misses)
{
    QString marks = outcomes;
    for (int match = 0; match < misses; ++match)
        marks[match] = QChar(u'0' + (marks[match].digitValue() + 1) % 3);
    return marks;
}

void writeSingles(const TestAppFolder &app, const QString &relative, const QStringList &marks)
{
    QByteArray bytes;
    for (const QString &single : marks) {
        QStringList fields;
        for (const QChar mark : single)
            fields.append(QString(mark));
        bytes += fields.join(u',').toLatin1() + "\r\n";
    }
    app.writeFile(relative, bytes);
}

} // namespace HistoryFixtures
