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
    vote.roundNumber = 1478;
    vote.voteTime = at(QStringLiteral("2025/03/01 13:50"));
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteRow &row = rows[match - 1];
        VoteGame &game = vote.game[std::size_t(match)];
        game.gameDate = at(QString::fromUtf8(row.day));
        game.startTime = row.kickOff ? at(QString::fromUtf8(row.kickOff)) : OleDate();
        game.home = QString::fromUtf8(row.home);
        game.away = QString::fromUtf8(row.away);
        for (std::size_t mark = 0; mark < 3; ++mark)
            game.votes[mark] = {money(row.shares[2 * mark]), money(row.shares[2 * mark + 1])};
    }
    return vote;
}

// Totals, round dates and a group that the writer never writes; one match
// with fractions.
VoteData olderLayout500()
{
    VoteData vote;
    vote.roundNumber = 500;
    vote.voteTime = at(QStringLiteral("2010/05/15 14:00"));
    vote.salesTotal = money("1234567800");
    vote.salesMulti = money("234567800");
    vote.salesSingle = money("1000000000");
    vote.unitsTotal = money("4115226");
    vote.unitsMulti = money("781892");
    vote.unitsSingle = money("3333334");
    vote.sheetsTotal = money("512345");
    vote.sheetsMulti = money("12345");
    vote.sheetsSingle = money("500000");
    vote.saleStart = at(QStringLiteral("2010/05/08"));
    vote.saleEnd = at(QStringLiteral("2010/05/15"));
    vote.resultDate = at(QStringLiteral("2010/05/17"));
    vote.refundStart = at(QStringLiteral("2010/05/18"));
    vote.refundEnd = at(QStringLiteral("2011/05/17"));
    VoteGame &game = vote.game[1];
    game.gameDate = at(QStringLiteral("2010/05/15"));
    game.startTime = at(QStringLiteral("19:30"));
    game.home = QStringLiteral("東京V");
    game.away = QStringLiteral("横浜FC");
    game.votes[1] = {money("123.4567"), money("40.125")};
    return vote;
}

QString fixture(const char *name)
{
    return TestFiles::fixturePath(QStringLiteral("rounddata/") + QLatin1String(name));
}

} // namespace

class TestVoteFile : public QObject
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

void TestVoteFile::fileName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const VoteFile xml;
    QCOMPARE(xml.getFileName(7, QString()), AppFolder::path() + QStringLiteral("\\SysData\\BIG_Vote\\big_vote_007.xml"));
    QCOMPARE(xml.getFileName(1234, QStringLiteral("A")),
             AppFolder::path() + QStringLiteral("\\SysData\\BIG_Vote\\big_vote_1234_A.xml"));
}

void TestVoteFile::loadsHandMadeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<VoteData>("expected");
    QTest::newRow("round 1478") << fixture("big_vote_1478.xml") << vote1478();
    QTest::newRow("older layout with totals") << fixture("vote_older_layout.xml") << olderLayout500();
}

void TestVoteFile::loadsHandMadeFile()
{
    QFETCH(QString, file);
    QFETCH(VoteData, expected);
    RecordingUi ui;
    VoteFile xml;
    QVERIFY(xml.xmlLoad(file));
    QCOMPARE(describe(xml.vote()), describe(expected));
    QVERIFY(xml.vote() == expected);
    QVERIFY(ui.boxes().isEmpty());
}

void TestVoteFile::savesHandMadeBytes()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    VoteFile xml;
    xml.setVote(vote1478());
    QVERIFY(xml.xmlSave(xml.getFileName(1478, QString())));
    RoundFileBytes::compare(app.readFile(QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml")),
                            TestFiles::fixture(QStringLiteral("rounddata/big_vote_1478.xml")));
    QVERIFY(ui.boxes().isEmpty());
}

void TestVoteFile::xmlStringIsTheFileText()
{
    RecordingUi ui;
    const QString text = TextCodec::decodeSjis(TestFiles::fixture(QStringLiteral("rounddata/big_vote_1478.xml")));
    VoteFile xml;
    xml.setVote(vote1478());
    QCOMPARE(xml.getXmlString(), text);

    VoteFile reader;
    QVERIFY(reader.setXmlString(text));
    QCOMPARE(describe(reader.vote()), describe(vote1478()));
    QVERIFY(ui.boxes().isEmpty());
}

void TestVoteFile::totalsAndGroupAreNotKept()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    VoteData vote = olderLayout500();
    vote.group = QStringLiteral("B");
    VoteFile xml;
    xml.setVote(vote);
    const QString path = xml.getFileName(500, QStringLiteral("B"));
    QVERIFY(xml.xmlSave(path));
    QVERIFY(app.readFile(QStringLiteral("SysData/BIG_Vote/big_vote_500_B.xml"))
                .contains(TestFiles::sjis(QStringLiteral("\r\n<組>B</組>\r\n"))));

    VoteFile reader;
    QVERIFY(reader.xmlLoad(path));
    VoteData kept;
    kept.roundNumber = vote.roundNumber;
    kept.voteTime = vote.voteTime;
    kept.game = vote.game;
    QCOMPARE(describe(reader.vote()), describe(kept));
    QVERIFY(ui.boxes().isEmpty());
}

void TestVoteFile::setXmlStringReportsMalformedText()
{
    RecordingUi ui;
    VoteFile xml;
    xml.setVote(vote1478());
    QVERIFY(!xml.setXmlString(QStringLiteral("<BIG><投票状況><開催回>1</投票状況></開催回></BIG>")));
    QVERIFY(xml.vote() == vote1478());
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsXmlVote / XmlLoad"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("XMLデータが異常です。"));
}

void TestVoteFile::setXmlStringLeavesConversionFailuresToTheCaller()
{
    RecordingUi ui;
    VoteFile xml;
    xml.setVote(vote1478());
    bool thrown = false;
    try {
        xml.setXmlString(QStringLiteral("<BIG><投票状況><開催回>1</開催回><販売終了時点>明日</販売終了時点></投票状況></BIG>"));
    } catch (const RuntimeError &error) {
        thrown = error.number() == RuntimeError::TypeMismatch;
    }
    QVERIFY(thrown);
    QVERIFY(xml.vote() == vote1478());
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestVoteFile)
#include "TestVoteFile.moc"
