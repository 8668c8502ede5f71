#include "common/RecordingUi.h"
#include "common/TestFiles.h"
#include "rounddata/ResultFile.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"

#include <QTest>

// Every broken file gives the program's message and leaves the record that
// was held before the load exactly as it was.

namespace {

enum class Kind { Schedule, Vote, Result };

const QString abnormalXml = QStringLiteral("XMLデータが異常です。");
const QString typeMismatch = QStringLiteral("型が一致しません。 ( 13 )");
const QString subscript = QStringLiteral("インデックスが有効範囲にありません。 ( 9 )");
const QString overflow = QStringLiteral("オーバーフローしました。 ( 6 )");

QString brokenFilePath(const QString &name)
{
    return TestFiles::fixturePath(QStringLiteral("rounddata/broken/") + name);
}

// Loads the file into an object that holds the good round 1478; true when
// the load failed and the record is still that round.
template<typename Xml, typename Record>
bool failsAndKeeps(const QString &path, Record (Xml::*get)() const, void (Xml::*set)(const Record &),
                   const QString &goodFile)
{
    Xml good;
    if (!good.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/") + goodFile)))
        return false;
    const Record before = (good.*get)();
    Xml xml;
    (xml.*set)(before);
    return !xml.xmlLoad(path) && (xml.*get)() == before;
}

bool failsAndKeeps(Kind kind, const QString &path)
{
    switch (kind) {
    case Kind::Schedule:
        return failsAndKeeps(path, &ScheduleFile::schedule, &ScheduleFile::setSchedule,
                             QStringLiteral("big_schedule_1478.xml"));
    case Kind::Vote:
        return failsAndKeeps(path, &VoteFile::vote, &VoteFile::setVote, QStringLiteral("big_vote_1478.xml"));
    case Kind::Result:
        return failsAndKeeps(path, &ResultFile::result, &ResultFile::setResult,
                             QStringLiteral("big_result_1478.xml"));
    }
    return false;
}

QString className(Kind kind)
{
    switch (kind) {
    case Kind::Schedule: return QStringLiteral("clsXmlSchedule");
    case Kind::Vote: return QStringLiteral("clsXmlVote");
    case Kind::Result: return QStringLiteral("clsXmlResult");
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestRoundXmlBadFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void brokenFile_data();
    void brokenFile();
};

void TestRoundXmlBadFiles::brokenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Ui::Icon>("icon");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, const char *file, Kind kind, Ui::Icon icon, const QString &text) {
        QTest::newRow(name) << QString::fromLatin1(file) << kind << icon << text;
    };
    const Ui::Icon warning = Ui::Icon::Warning;
    const Ui::Icon error = Ui::Icon::Error;
    row("closing tags out of order", "closing_tags_out_of_order.xml", Kind::Result, warning, abnormalXml);
    row("round not a number", "round_not_a_number.xml", Kind::Result, error, typeMismatch);
    row("date that does not exist", "date_not_a_date.xml", Kind::Schedule, error, typeMismatch);
    row("rate not a number", "rate_not_a_number.xml", Kind::Vote, error, typeMismatch);
    row("match number 0", "match_number_0.xml", Kind::Result, error, subscript);
    row("match number 15", "match_number_15.xml", Kind::Vote, error, subscript);
    row("match field before its number", "match_field_before_number.xml", Kind::Schedule, error, subscript);
    row("score of 300", "score_300.xml", Kind::Result, error, overflow);
    row("value holding <", "value_holding_less_than.xml", Kind::Schedule, warning, abnormalXml);
    row("truncated file", "truncated.xml", Kind::Result, warning, abnormalXml);
    row("empty schedule file", "empty.xml", Kind::Schedule, warning, abnormalXml);
    row("empty vote file", "empty.xml", Kind::Vote, warning, abnormalXml);
    row("empty result file", "empty.xml", Kind::Result, warning, abnormalXml);
    row("random bytes", "random_bytes.xml", Kind::Result, warning, abnormalXml);
    row("UTF-8 instead of Shift_JIS", "utf8_instead_of_shift_jis.xml", Kind::Result, warning, abnormalXml);
    row("schedule file read as result", "other_kind_of_file.xml", Kind::Result, warning, abnormalXml);
    row("schedule file read as vote", "other_kind_of_file.xml", Kind::Vote, warning, abnormalXml);
}

void TestRoundXmlBadFiles::brokenFile()
{
    QFETCH(QString, file);
    QFETCH(Kind, kind);
    QFETCH(Ui::Icon, icon);
    QFETCH(QString, text);
    const QString path = brokenFilePath(file);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    RecordingUi ui;

    QVERIFY(failsAndKeeps(kind, path));

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, icon);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / ") + className(kind) + QStringLiteral(" / XmlLoad"));
    QCOMPARE(ui.boxes()[0].text, text);
}

QTEST_GUILESS_MAIN(TestRoundXmlBadFiles)
#include "TestRoundXmlBadFiles.moc"
