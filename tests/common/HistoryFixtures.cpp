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
    result.Kaisaikai = round;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = result.Game[std::size_t(match)];
        game.Home = QStringLiteral("ホーム%1").arg(match);
        game.Away = QStringLiteral("アウェイ%1").arg(match);
        game.Outcome = quint8(outcomes[match - 1].digitValue());
    }
    for (int grade = 1; grade <= clsToto::GetMaxGrade(round); ++grade) {
        result.Prize[std::size_t(grade)] = prizeOf(grade);
        result.Winners[std::size_t(grade)] = Money::fromWhole(grade * 10);
    }
    result.SaleStart = OleDate::fromDate(QDate(2025, 1, 4));
    result.SaleEnd = OleDate::fromDate(QDate(2025, 1, 11));
    result.ResultDate = OleDate::fromDate(QDate(2025, 1, 13));
    result.RefundStart = OleDate::fromDate(QDate(2025, 1, 14));
    result.RefundEnd = OleDate::fromDate(QDate(2026, 1, 13));
    result.Sales = Money::fromWhole(1000000000);
    result.Units = Money::fromWhole(3333333);
    result.Sheets = Money::fromWhole(1000000);
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
    clsXmlResult xml;
    xml.setResult(result);
    xml.XmlSave(xml.GetFileName(result.Kaisaikai, result.Kumi));
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
