#include "acquisition/ResultWorkflow.h"
#include "acquisition/ScheduleWorkflow.h"
#include "acquisition/VoteWorkflow.h"
#include "common/OfficialSite.h"
#include "common/TestFiles.h"
#include "support/TextCodec.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

// Official pages that went wrong on the way: cut short, empty, garbage, the
// wrong encoding, odd values. Every one ends in a failure the user is told
// about, and no round file is written from what was read.
namespace {

constexpr int round1478 = 1478;

struct Kind
{
    QString name;        // as the data rows name it
    QString word;        // the kind word of the workflow's boxes
    QString page;        // the page of round 1478
    QString roundFile;   // the round file it would become
    QString parser;      // class and procedure of the page reader's reports
};

Kind kindOf(const QString &name)
{
    if (name == QStringLiteral("schedule"))
        return {name, QStringLiteral("開催情報"), QStringLiteral("schedule_1478.html"),
                QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml"), QStringLiteral("clsHtmlSchedule / GetSchedule")};
    if (name == QStringLiteral("vote"))
        return {name, QStringLiteral("投票状況"), QStringLiteral("vote_1478_final.html"),
                QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml"), QStringLiteral("clsHtmlVote / GetVote")};
    return {name, QStringLiteral("くじ結果"), QStringLiteral("result_1478_with_other_products.html"),
            QStringLiteral("SysData/BIG_Result/big_result_1478.xml"), QStringLiteral("clsHtmlResult / GetResult")};
}

QString address(const Kind &kind)
{
    if (kind.name == QStringLiteral("schedule"))
        return OfficialSite::scheduleAddress(round1478);
    if (kind.name == QStringLiteral("vote"))
        return OfficialSite::voteAddress(round1478);
    return OfficialSite::resultAddress(round1478);
}

// Where the BIG part of a page begins: the result page holds mini BIG before it.
qsizetype bigPart(const QString &text)
{
    return std::max<qsizetype>(0, text.indexOf(QStringLiteral("回 BIGくじ結果")));
}

// The page cut right after the first occurrence of marker in its BIG part.
QByteArray cutAfter(const QString &text, const QString &marker)
{
    const qsizetype at = text.indexOf(marker, bigPart(text));
    return at < 0 ? QByteArray("marker not found") : text.left(at + marker.size()).toUtf8();
}

// The page cut just before marker.
QByteArray cutBefore(const QString &text, const QString &marker)
{
    const qsizetype at = text.indexOf(marker, bigPart(text));
    return at < 0 ? QByteArray("marker not found") : text.left(at).toUtf8();
}

// A cell in the middle of match row 7 (toto: 8), after which the page is cut.
QString middleOfRow7(const Kind &kind)
{
    return kind.name == QStringLiteral("schedule") ? QStringLiteral("<td class=\"stadium\">ユアスタ</td>")
                                                   : QStringLiteral("<td class=\"home\">仙台</td>");
}

QString startOfMatches(const Kind &kind)
{
    if (kind.name == QStringLiteral("schedule"))
        return QStringLiteral("<h3 class=\"ttl-sub\">指定試合一覧</h3>");
    if (kind.name == QStringLiteral("vote"))
        return QStringLiteral("<h3 class=\"ttl-sub\">投票率</h3>");
    // Inside the prize block: the sales figures are missing.
    return QStringLiteral("<table class=\"tbl-basic tbl-sales\">");
}

// The last match row of the page's own table, repeated with the next numbers.
QString withExtraRows(QString text, const Kind &kind)
{
    const int last = kind.name == QStringLiteral("vote") ? 13 : 14;
    const QString number = QStringLiteral("<td class=\"no\">%1</td>");
    const qsizetype start = text.lastIndexOf(QStringLiteral("<tr"), text.indexOf(number.arg(last), bigPart(text)));
    const qsizetype end = text.indexOf(QStringLiteral("</tr>"), start) + 5;
    QString row = text.mid(start, end - start);
    row.remove(QStringLiteral(" rowspan=\"2\""));
    QString extra;
    for (int next = last + 1; next <= 15; ++next)
        extra += u'\n' + QString(row).replace(number.arg(last), number.arg(next));
    text.insert(end, extra);
    return text;
}

QByteArray randomBytes()
{
    QRandomGenerator generator(1478);
    QByteArray bytes(20000, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray damaged(const Kind &kind, const QString &damage)
{
    const QString text = OfficialSite::pageText(kind.page);
    if (damage == QStringLiteral("cut before the matches"))
        return cutBefore(text, startOfMatches(kind));
    if (damage == QStringLiteral("cut in a match row"))
        return cutAfter(text, middleOfRow7(kind));
    if (damage == QStringLiteral("no bytes"))
        return QByteArray();
    if (damage == QStringLiteral("empty body"))
        return QByteArrayLiteral("<!DOCTYPE html>\n<html><head><title></title></head><body>\n</body></html>\n");
    if (damage == QStringLiteral("random bytes"))
        return randomBytes();
    if (damage == QStringLiteral("shift_jis"))
        return TextCodec::encodeSjis(text);
    if (damage == QStringLiteral("round not a number"))
        return QString(text).replace(QStringLiteral("第1478回"), QStringLiteral("第abc回")).toUtf8();
    if (damage == QStringLiteral("fifteen rows"))
        return withExtraRows(text, kind).toUtf8();
    if (damage == QStringLiteral("score 2-"))
        return QString(text).replace(QStringLiteral(">1 - 0<"), QStringLiteral(">2 -<")).toUtf8();
    if (damage == QStringLiteral("score x-1"))
        return QString(text).replace(QStringLiteral(">1 - 0<"), QStringLiteral(">x - 1<")).toUtf8();
    return QByteArray("unknown damage");
}

} // namespace

class TestOfficialBadPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void damagedPage_data();
    void damagedPage();
    void extraRowsAreIgnored_data();
    void extraRowsAreIgnored();

private:
    // Runs the workflow of the kind with the download question off; shows the
    // failure explanation when it fails. True when the record is complete.
    bool download(const Kind &kind, bool &unpublished);

    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestOfficialBadPages::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
}

void TestOfficialBadPages::cleanup()
{
    m_bed.reset();
}

bool TestOfficialBadPages::download(const Kind &kind, bool &unpublished)
{
    // The vote status is placed on the matches of the schedule file.
    if (kind.name == QStringLiteral("vote"))
        m_bed->app.writeFile(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml"),
                         OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml")));

    const auto run = [&](auto &workflow, auto get) {
        workflow.initialize();
        const bool complete = get(workflow);
        unpublished = workflow.Unpublished();
        if (!complete)
            workflow.falseDialog(round1478);
        return complete;
    };
    if (kind.name == QStringLiteral("schedule")) {
        ScheduleWorkflow schedule;
        return run(schedule, [](ScheduleWorkflow &w) { return w.getSchedule(round1478, QString(), 3, false); });
    }
    if (kind.name == QStringLiteral("vote")) {
        VoteWorkflow vote;
        return run(vote, [](VoteWorkflow &w) { return w.getVote(round1478, QString(), 3, false, heldSchedule(round1478)); });
    }
    ResultWorkflow result;
    return run(result, [](ResultWorkflow &w) { return w.getResult(round1478, QString(), 3, false); });
}

void TestOfficialBadPages::damagedPage_data()
{
    QTest::addColumn<QString>("kindName");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("runTimeError");   // reported by the page reader
    QTest::addColumn<bool>("unpublished");

    for (const char *kind : {"schedule", "vote", "result"}) {
        const auto row = [&](const char *damage, bool runTimeError, bool unpublished) {
            QTest::addRow("%s: %s", kind, damage) << QString::fromLatin1(kind) << QString::fromLatin1(damage)
                                                  << runTimeError << unpublished;
        };
        row("cut before the matches", false, false);
        // A result row cut short has no score to split: a run-time failure.
        row("cut in a match row", QByteArrayView(kind) == "result", false);
        row("no bytes", false, false);
        row("empty body", false, false);
        row("random bytes", false, false);
        // Read as UTF-8, the headings are garbage: the round looks unpublished.
        row("shift_jis", false, true);
        row("round not a number", true, false);
    }
    QTest::newRow("result: score 2-") << QStringLiteral("result") << QStringLiteral("score 2-") << true << false;
    QTest::newRow("result: score x-1") << QStringLiteral("result") << QStringLiteral("score x-1") << true << false;
}

void TestOfficialBadPages::damagedPage()
{
    QFETCH(QString, kindName);
    QFETCH(QString, damage);
    QFETCH(bool, runTimeError);
    QFETCH(bool, unpublished);
    const Kind kind = kindOf(kindName);
    const QByteArray body = damaged(kind, damage);
    QVERIFY(!body.startsWith("marker not found"));
    m_bed->site.serve(address(kind), body);

    bool wasUnpublished = false;
    QVERIFY(!download(kind, wasUnpublished));
    QCOMPARE(wasUnpublished, unpublished);
    QCOMPARE(m_bed->site.requestsFor(address(kind)), 1);
    QVERIFY(!m_bed->app.exists(kind.roundFile));

    const QStringList boxes = boxLines(m_bed->ui);
    const QString last = unpublished ? unpublishedBox(round1478, kind.word) : failureBox(kind.word);
    QCOMPARE(boxes.size(), runTimeError ? 2 : 1);
    QCOMPARE(boxes.last(), last);
    if (runTimeError) {
        QCOMPARE(m_bed->ui.boxes().first().icon, Ui::Icon::Error);
        QCOMPARE(m_bed->ui.boxes().first().title, QStringLiteral("QUDO / ") + kind.parser);
    }
}

void TestOfficialBadPages::extraRowsAreIgnored_data()
{
    QTest::addColumn<QString>("kindName");
    QTest::addColumn<QString>("expected");
    // Only 1 to 14 (toto: 1 to 13) are match numbers; the BIG result ends at 14.
    QTest::newRow("schedule") << QStringLiteral("schedule") << QStringLiteral("big_schedule_1478.xml");
    QTest::newRow("vote") << QStringLiteral("vote") << QStringLiteral("big_vote_1478.xml");
    QTest::newRow("result") << QStringLiteral("result") << QStringLiteral("big_result_1478.xml");
}

void TestOfficialBadPages::extraRowsAreIgnored()
{
    QFETCH(QString, kindName);
    QFETCH(QString, expected);
    const Kind kind = kindOf(kindName);
    const QByteArray body = damaged(kind, QStringLiteral("fifteen rows"));
    QVERIFY(body.contains("<td class=\"no\">15</td>"));
    m_bed->site.serve(address(kind), body);

    bool unpublished = false;
    QVERIFY(download(kind, unpublished));
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QCOMPARE(m_bed->app.readFile(kind.roundFile), OfficialSite::expectedFile(expected));
}

QTEST_GUILESS_MAIN(TestOfficialBadPages)
#include "TestOfficialBadPages.moc"
