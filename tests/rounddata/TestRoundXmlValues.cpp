#include "RoundRecordText.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "rounddata/ResultFile.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"

#include <QTest>

// Values that could break a round file: texts holding the characters the
// reader cuts lines at, and dates followed by long runs of spaces. Every file
// written is read back.

using RoundRecordText::at;
using RoundRecordText::describe;

namespace {

const QString written = QStringLiteral("SysData/written.xml");

// A text holding both angle brackets, and the form the file keeps of it.
QString bracketed(const QString &text)
{
    return text + QStringLiteral("<B>");
}

QString fileForm(const QString &text)
{
    return text + QStringLiteral("＜B＞");
}

// Every text a file reads back: each match's teams and, for the schedule,
// the group, stadium and status, as bracketed() or fileForm() makes them.
template<typename Record>
Record withTexts(Record record, QString (*form)(const QString &))
{
    if constexpr (std::is_same_v<Record, ScheduleData>)
        record.group = form(QStringLiteral("A"));
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        auto &game = record.game[std::size_t(match)];
        game.home = form(QStringLiteral("鹿島"));
        game.away = form(QStringLiteral("浦和"));
        if constexpr (!std::is_same_v<Record, ResultData>)
            game.gameDate = at(QStringLiteral("2024/03/09"));
        if constexpr (std::is_same_v<Record, ScheduleData>) {
            game.stadium = form(QStringLiteral("カシマ"));
            game.status = form(QStringLiteral("VS"));
        }
    }
    record.roundNumber = 1478;
    return record;
}

// Writes the record, reads the file back into a fresh object and gives what
// came back (an empty record when the file did not read).
template<typename Xml, typename Record>
Record writtenAndReadBack(const TestAppFolder &app, const Record &record, void (Xml::*set)(const Record &),
                          Record (Xml::*get)() const)
{
    Xml writer;
    (writer.*set)(record);
    if (!writer.xmlSave(app.filePath(written)))
        return {};
    Xml reader;
    return reader.xmlLoad(app.filePath(written)) ? (reader.*get)() : Record{};
}

// A schedule file whose sales start is the given value.
QByteArray scheduleFileWithSaleStart(const QString &saleStart)
{
    return TestFiles::sjis(TestFiles::crlfLines({
        QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"), QStringLiteral("<BIG>"),
        QStringLiteral("<開催>"), QStringLiteral("<開催回>1478</開催回>"),
        QStringLiteral("<販売開始日>") + saleStart + QStringLiteral("</販売開始日>"), QStringLiteral("</開催>"),
        QStringLiteral("</BIG>")}));
}

} // namespace

class TestRoundXmlValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void anglesInScheduleTexts();
    void anglesInVoteTexts();
    void anglesInResultTexts();
    void anglesAreWrittenFullWidth();
    void longSpacesAfterADate_data();
    void longSpacesAfterADate();

private:
    std::unique_ptr<TestAppFolder> m_app;
    std::unique_ptr<RecordingUi> m_ui;
};

void TestRoundXmlValues::init()
{
    m_app = std::make_unique<TestAppFolder>(TestAppFolder::SysData::Empty);
    m_ui = std::make_unique<RecordingUi>();
}

void TestRoundXmlValues::cleanup()
{
    QVERIFY2(m_ui->boxes().isEmpty() || QTest::currentTestFailed()
                 || QByteArray(QTest::currentTestFunction()) == "longSpacesAfterADate",
             "unexpected message box");
    m_ui.reset();
    m_app.reset();
}

void TestRoundXmlValues::anglesInScheduleTexts()
{
    const ScheduleData back = writtenAndReadBack(*m_app, withTexts(ScheduleData(), bracketed),
                                                 &ScheduleFile::setSchedule, &ScheduleFile::schedule);
    QCOMPARE(describe(back), describe(withTexts(ScheduleData(), fileForm)));
}

void TestRoundXmlValues::anglesInVoteTexts()
{
    VoteData vote = withTexts(VoteData(), bracketed);
    vote.voteTime = at(QStringLiteral("2024/03/09 12:50"));
    VoteData expected = withTexts(VoteData(), fileForm);
    expected.voteTime = vote.voteTime;
    const VoteData back = writtenAndReadBack(*m_app, vote, &VoteFile::setVote, &VoteFile::vote);
    QCOMPARE(describe(back), describe(expected));
}

void TestRoundXmlValues::anglesInResultTexts()
{
    const ResultData back = writtenAndReadBack(*m_app, withTexts(ResultData(), bracketed),
                                               &ResultFile::setResult, &ResultFile::result);
    QCOMPARE(describe(back), describe(withTexts(ResultData(), fileForm)));
}

void TestRoundXmlValues::anglesAreWrittenFullWidth()
{
    ResultData result;
    result.roundNumber = 1478;
    result.game[1].home = QStringLiteral("a<b>c>>d<");
    ResultFile xml;
    xml.setResult(result);
    QVERIFY(xml.xmlSave(m_app->filePath(written)));
    const QByteArray bytes = m_app->readFile(written);
    QVERIFY(bytes.contains(TestFiles::sjis(QStringLiteral("\r\n<ホーム>a＜b＞c＞＞d＜</ホーム>\r\n"))));
}

void TestRoundXmlValues::longSpacesAfterADate_data()
{
    QTest::addColumn<QString>("saleStart");
    QTest::addColumn<bool>("read");
    const QString spaces(100000, u' ');
    QTest::newRow("spaces, then the time") << "2024/03/04" + spaces + "10:00:00" << true;
    QTest::newRow("spaces only") << "2024/03/04" + spaces << true;
    QTest::newRow("spaces, then text") << "2024/03/04" + spaces + "x" << false;
}

// The file is read or refused in one pass over the spaces (bench_date_text
// shows the time); a refused file gives its one message.
void TestRoundXmlValues::longSpacesAfterADate()
{
    QFETCH(QString, saleStart);
    QFETCH(bool, read);
    m_app->writeFile(written, scheduleFileWithSaleStart(saleStart));
    ScheduleFile xml;
    QCOMPARE(xml.xmlLoad(m_app->filePath(written)), read);
    if (read) {
        QCOMPARE(xml.schedule().roundNumber, 1478);
        QCOMPARE(xml.schedule().saleStart.date(), QDate(2024, 3, 4));
        QVERIFY(m_ui->boxes().isEmpty());
    } else {
        QCOMPARE(xml.schedule().roundNumber, 0);
        QCOMPARE(m_ui->boxes().size(), 1);
        QCOMPARE(m_ui->boxes()[0].text, QStringLiteral("型が一致しません。 ( 13 )"));
    }
}

QTEST_GUILESS_MAIN(TestRoundXmlValues)
#include "TestRoundXmlValues.moc"
