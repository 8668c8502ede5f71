#include "RoundFileBytes.h"
#include "RoundRecordText.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "rounddata/VoteFile.h"
#include "support/AppFolder.h"
#include "support/RuntimeError.h"
#include "support/TextCodec.h"

#include <QTest>

Q_DECLARE_METATYPE(VoteData)

using RoundRecordText::at;
using RoundRecordText::describe;

namespace {

struct VoteRow
{
    const char *day;
    const char *kickOff;
    const char *home;
    const char *away;
    // Count and rate of "other", "home win", "home loss".
    const char *shares[6];
};

Money money(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

// The round of big_vote_1478.xml, typed again from the fixture's values.
VoteData vote1478()
{
    static const VoteRow rows[RoundData::MatchCount] = {
        {"2025/03/01", "14:00", "浦和", "鹿島", {"52310", "28.41", "80112", "43.5", "51702", "28.09"}},
        {"2025/03/01", "14:00", "横浜FM", "川崎F", {"61020", "33.14", "63891", "34.7", "59213", "32.16"}},
        {"2025/03/01", "15:00", "G大阪", "C大阪", {"55004", "29.87", "70311", "38.19", "58809", "31.94"}},
        {"2025/03/01", "13:00", "名古屋", "広島", {"49870", "27.08", "50120", "27.22", "84134", "45.7"}},
        {"2025/03/01", "14:00", "FC東京", "柏", {"53321", "28.96", "88765", "48.21", "42038", "22.83"}},
        {"2025/03/01", "16:00", "神戸", "京都", {"40112", "21.78", "110234", "59.87", "33778", "18.35"}},
        {"2025/03/01", "14:00", "福岡", "鳥栖", {"60001", "32.59", "71234", "38.69", "52889", "28.72"}},
        {"2025/03/02", "13:00", "新潟", "湘南", {"62345", "33.86", "60000", "32.59", "61779", "33.55"}},
        {"2025/03/02", "14:00", "札幌", "磐田", {"50505", "27.43", "70707", "38.4", "62912", "34.17"}},
        {"2025/03/02", "14:00", "水戸", "山形", {"58888", "31.98", "55555", "30.17", "69681", "37.85"}},
        {"2025/03/02", "15:00", "愛媛", "鹿児島", {"61111", "33.19", "52222", "28.36", "70791", "38.45"}},
        {"2025/03/02", "19:00", "長崎", "熊本", {"39999", "21.72", "100001", "54.31", "44124", "23.97"}},
        {"2025/03/02", "13:00", "千葉", "仙台", {"57777", "31.38", "66666", "36.21", "59681", "32.41"}},
        {"2025/03/02", nullptr, "甲府", "清水", {"0", "0", "0", "0", "0", "0"}},
    };
    VoteData vote;
    vote.Kaisaikai = 1478;
    vote.VoteTime = at(QStringLiteral("2025/03/01 13:50"));
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteRow &row = rows[match - 1];
        VoteGame &game = vote.Game[std::size_t(match)];
        game.GameDate = at(QString::fromUtf8(row.day));
        game.StartTime = row.kickOff ? at(QString::fromUtf8(row.kickOff)) : OleDate();
        game.Home = QString::fromUtf8(row.home);
        game.Away = QString::fromUtf8(row.away);
        for (std::size_t mark = 0; mark < 3; ++mark)
            game.Votes[mark] = {money(row.shares[2 * mark]), money(row.shares[2 * mark + 1])};
    }
    return vote;
}

// Totals, round dates and a group that the writer never writes; one match
// with fractions.
VoteData olderLayout500()
{
    VoteData vote;
    vote.Kaisaikai = 500;
    vote.VoteTime = at(QStringLiteral("2010/05/15 14:00"));
    vote.SalesTotal = money("1234567800");
    vote.SalesMulti = money("234567800");
    vote.SalesSingle = money("1000000000");
    vote.UnitsTotal = money("4115226");
    vote.UnitsMulti = money("781892");
    vote.UnitsSingle = money("3333334");
    vote.SheetsTotal = money("512345");
    vote.SheetsMulti = money("12345");
    vote.SheetsSingle = money("500000");
    vote.SaleStart = at(QStringLiteral("2010/05/08"));
    vote.SaleEnd = at(QStringLiteral("2010/05/15"));
    vote.ResultDate = at(QStringLiteral("2010/05/17"));
    vote.RefundStart = at(QStringLiteral("2010/05/18"));
    vote.RefundEnd = at(QStringLiteral("2011/05/17"));
    VoteGame &game = vote.Game[1];
    game.GameDate = at(QStringLiteral("2010/05/15"));
    game.StartTime = at(QStringLiteral("19:30"));
    game.Home = QStringLiteral("東京V");
    game.Away = QStringLiteral("横浜FC");
    game.Votes[1] = {money("123.4567"), money("40.125")};
    return vote;
}

QString fixture(const char *name)
{
    return TestFiles::fixturePath(QStringLiteral("rounddata/") + QLatin1String(name));
}

} // namespace

class TestXmlVote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileName();
    void loadsHandMadeFile_data();
    void loadsHandMadeFile();
    void savesHandMadeBytes();
    void xmlStringIsTheFileText();
    void totalsAndGroupAreNotKept();
    void setXmlStringReportsMalformedText();
    void setXmlStringLeavesConversionFailuresToTheCaller();
};

void TestXmlVote::fileName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const clsXmlVote xml;
    QCOMPARE(xml.GetFileName(7, QString()), AppFolder::path() + QStringLiteral("\\SysData\\BIG_Vote\\big_vote_007.xml"));
    QCOMPARE(xml.GetFileName(1234, QStringLiteral("A")),
             AppFolder::path() + QStringLiteral("\\SysData\\BIG_Vote\\big_vote_1234_A.xml"));
}

void TestXmlVote::loadsHandMadeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<VoteData>("expected");
    QTest::newRow("round 1478") << fixture("big_vote_1478.xml") << vote1478();
    QTest::newRow("older layout with totals") << fixture("vote_older_layout.xml") << olderLayout500();
}

void TestXmlVote::loadsHandMadeFile()
{
    QFETCH(QString, file);
    QFETCH(VoteData, expected);
    RecordingUi ui;
    clsXmlVote xml;
    QVERIFY(xml.XmlLoad(file));
    QCOMPARE(describe(xml.Vote()), describe(expected));
    QVERIFY(xml.Vote() == expected);
    QVERIFY(ui.boxes().isEmpty());
}

void TestXmlVote::savesHandMadeBytes()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    clsXmlVote xml;
    xml.setVote(vote1478());
    QVERIFY(xml.XmlSave(xml.GetFileName(1478, QString())));
    RoundFileBytes::compare(app.readFile(QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml")),
                            TestFiles::fixture(QStringLiteral("rounddata/big_vote_1478.xml")));
    QVERIFY(ui.boxes().isEmpty());
}

void TestXmlVote::xmlStringIsTheFileText()
{
    RecordingUi ui;
    const QString text = TextCodec::decodeSjis(TestFiles::fixture(QStringLiteral("rounddata/big_vote_1478.xml")));
    clsXmlVote xml;
    xml.setVote(vote1478());
    QCOMPARE(xml.GetXmlString(), text);

    clsXmlVote reader;
    QVERIFY(reader.SetXmlString(text));
    QCOMPARE(describe(reader.Vote()), describe(vote1478()));
    QVERIFY(ui.boxes().isEmpty());
}

void TestXmlVote::totalsAndGroupAreNotKept()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    VoteData vote = olderLayout500();
    vote.Kumi = QStringLiteral("B");
    clsXmlVote xml;
    xml.setVote(vote);
    const QString path = xml.GetFileName(500, QStringLiteral("B"));
    QVERIFY(xml.XmlSave(path));
    QVERIFY(app.readFile(QStringLiteral("SysData/BIG_Vote/big_vote_500_B.xml"))
                .contains(TestFiles::sjis(QStringLiteral("\r\n<組>B</組>\r\n"))));

    clsXmlVote reader;
    QVERIFY(reader.XmlLoad(path));
    VoteData kept;
    kept.Kaisaikai = vote.Kaisaikai;
    kept.VoteTime = vote.VoteTime;
    kept.Game = vote.Game;
    QCOMPARE(describe(reader.Vote()), describe(kept));
    QVERIFY(ui.boxes().isEmpty());
}

void TestXmlVote::setXmlStringReportsMalformedText()
{
    RecordingUi ui;
    clsXmlVote xml;
    xml.setVote(vote1478());
    QVERIFY(!xml.SetXmlString(QStringLiteral("<BIG><投票状況><開催回>1</投票状況></開催回></BIG>")));
    QVERIFY(xml.Vote() == vote1478());
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsXmlVote / XmlLoad"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("XMLデータが異常です。"));
}

void TestXmlVote::setXmlStringLeavesConversionFailuresToTheCaller()
{
    RecordingUi ui;
    clsXmlVote xml;
    xml.setVote(vote1478());
    bool thrown = false;
    try {
        xml.SetXmlString(QStringLiteral("<BIG><投票状況><開催回>1</開催回><販売終了時点>明日</販売終了時点></投票状況></BIG>"));
    } catch (const RuntimeError &error) {
        thrown = error.number() == RuntimeError::TypeMismatch;
    }
    QVERIFY(thrown);
    QVERIFY(xml.Vote() == vote1478());
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestXmlVote)
#include "TestXmlVote.moc"
