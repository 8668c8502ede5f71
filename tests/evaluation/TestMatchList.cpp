#include "common/GridReadback.h"
#include "common/RecordingBarSurface.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "evaluation/MatchList.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

using namespace GridReadback;

namespace {

// The match list on recording surfaces.
struct ListFixture
{
    RecordingSurface matches;
    RecordingSurface votes;
    RecordingBarSurface bars;
    MatchList game;

    explicit ListFixture(bool showLeague = false) { game.initialize(&matches, &votes, &bars, showLeague); }
};

VoteData voteOf(qint32 roundNumber, const QList<QList<int>> &counts)
{
    VoteData vote;
    vote.roundNumber = roundNumber;
    for (int match = 1; match <= counts.size(); ++match) {
        const QList<int> &three = counts[match - 1];   // "1", "0", "2"
        const int total = three[0] + three[1] + three[2];
        const int markOf[3] = {1, 0, 2};
        for (int i = 0; i < 3; ++i) {
            VoteShare &share = vote.game[std::size_t(match)].votes[std::size_t(markOf[i])];
            share.count = Money::fromWhole(three[i]);
            share.rate = total ? Money::fromDouble(100.0 * three[i] / total) : Money();
        }
    }
    return vote;
}

OleDate at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return OleDate::fromDateTime(QDate(year, month, day), QTime(hour, minute));
}

} // namespace

// The match list of the check page: the match grid, the vote area laid over
// its last column, the vote rates and bars, the heading and VoteClick.
class TestMatchList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void leagueColumnOnRequest();
    void scheduleFillsTheRows();
    void votesAndBars();
    void voteHeading_data();
    void voteHeading();
    void voteClicks();
    void beforeInitialize();

private:
    TestAppFolder *m_app = nullptr;
};

void TestMatchList::init()
{
    m_app = new TestAppFolder(TestAppFolder::SysData::Shipped);
}

void TestMatchList::cleanup()
{
    delete m_app;
    m_app = nullptr;
    DisplayScale::setDpiSource({});
}

void TestMatchList::layout_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QRect>("voteArea");
    QTest::addColumn<QList<int>>("voteRows");
    QTest::addColumn<int>("voteColumn");
    QTest::newRow("96 dpi") << 96.0 << QList<int>{50, 0, 20, 50, 50, 203} << QRect(174, 21, 204, 309)
                            << QList<int>{14, 6} << 67;
    // Each "+ 1" is 1.5 pixels, rounded after every addition: 76, 108, 184, 260.
    QTest::newRow("144 dpi") << 144.0 << QList<int>{75, 0, 30, 75, 75, 304} << QRect(260, 32, 306, 462)
                             << QList<int>{21, 9} << 100;
}

void TestMatchList::layout()
{
    QFETCH(double, dpi);
    QFETCH(QRect, voteArea);
    QFETCH(QList<int>, voteRows);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    ListFixture list;
    const CellGrid &grid = list.game.grid();
    QCOMPARE(grid.cols(), 6);
    QCOMPARE(grid.rows(), 15);
    QList<int> widths;
    for (int col = 1; col <= 6; ++col)
        widths.append(grid.colWidth(col));
    QTEST(widths, "widths");
    QCOMPARE(row(grid, 1, 1, 6), (QStringList{"開催日", "Jx", "No", "ホーム", "アウェイ", "投 票 率"}));
    QCOMPARE(grid.backColor(1, 1), WinColor::ButtonFace);
    QCOMPARE(backColors(grid, 4, 2, 5),
             (QList<quint32>{WinColor::White, WinColor::LightYellow, WinColor::White, WinColor::LightYellow}));
    QCOMPARE(list.matches.size(), QSize(grid.layoutWidth(), grid.layoutHeight()));

    QCOMPARE(list.game.voteAreaRect(), voteArea);
    QCOMPARE(QRect(QPoint(list.votes.surfaceLeft(), list.votes.surfaceTop()), list.votes.size()), voteArea);
    const CellGrid &votes = list.game.voteGrid();
    QCOMPARE(votes.cols(), 3);
    QCOMPARE(votes.rows(), 28);
    QTEST(votes.colWidth(1), "voteColumn");
    QCOMPARE(votes.rowHeight(1), voteRows[0]);
    QCOMPARE(votes.rowHeight(2), voteRows[1]);
    QCOMPARE(votes.rowHeight(27), voteRows[0]);
    QCOMPARE(votes.rowHeight(28), voteRows[1]);
    QCOMPARE(backColors(votes, 2, 1, 4),
             (QList<quint32>{WinColor::White, WinColor::White, WinColor::LightYellow, WinColor::LightYellow}));
}

void TestMatchList::leagueColumnOnRequest()
{
    ListFixture list(true);
    QCOMPARE(list.game.grid().colWidth(2), 20);
    QCOMPARE(list.game.voteAreaRect().left(), 51 + 21 + 21 + 51 + 51);
    ScheduleData schedule;
    schedule.roundNumber = 300;
    schedule.game[1] = {QStringLiteral("浦和"), QStringLiteral("鹿島"), at(2007, 4, 1), {}, {}, QStringLiteral("VS")};
    schedule.game[2] = {QStringLiteral("Ｃ大阪"), QStringLiteral("浦和"), at(2007, 4, 1), {}, {}, QStringLiteral("VS")};
    list.game.showSchedule(schedule);
    QCOMPARE(column(list.game.grid(), 2, 2, 4), (QStringList{"J1", "J2", ""}));
}

void TestMatchList::scheduleFillsTheRows()
{
    ListFixture list;
    ScheduleData schedule;
    schedule.roundNumber = 1478;
    schedule.game[1] = {QStringLiteral("浦和"), QStringLiteral("鹿島"), at(2025, 3, 1), {}, {}, QStringLiteral("VS")};
    schedule.game[14] = {QStringLiteral("横浜FM"), QStringLiteral("川崎F"), at(2025, 12, 6), {}, {}, QStringLiteral("VS")};
    list.game.showSchedule(schedule);
    const CellGrid &grid = list.game.grid();
    QCOMPARE(row(grid, 2, 1, 5), (QStringList{"03/01", "J1", "1", "浦和", "鹿島"}));
    QCOMPARE(row(grid, 15, 1, 5), (QStringList{"12/06", "", "14", "横浜FM", "川崎F"}));
    // A match without a date shows no date.
    QCOMPARE(row(grid, 3, 1, 5), (QStringList{"", "", "2", "", ""}));
    QCOMPARE(list.matches.drawnCell(2, 2), nullptr);   // the hidden league column is never drawn
    QCOMPARE(list.matches.drawnCell(4, 2)->caption, QStringLiteral("浦和"));
}

void TestMatchList::votesAndBars()
{
    ListFixture list;
    QList<QList<int>> counts(14, {0, 0, 0});
    counts[0] = {50, 30, 20};
    counts[1] = {80112, 52310, 51702};
    const VoteData vote = voteOf(1478, counts);
    list.game.vote(vote);
    const CellGrid &votes = list.game.voteGrid();
    QCOMPARE(row(votes, 1, 1, 3), (QStringList{"50.00", "30.00", "20.00"}));
    QCOMPARE(row(votes, 3, 1, 3), (QStringList{"43.51", "28.41", "28.08"}));
    QCOMPARE(row(votes, 2, 1, 3), (QStringList{"", "", ""}));
    // A match without votes: zero rates and a grey bar.
    QCOMPARE(row(votes, 5, 1, 3), (QStringList{"0.00", "0.00", "0.00"}));
    const QList<BarDrawing> bars = list.bars.lastBars();
    QCOMPARE(bars.size(), 14);
    for (const BarDrawing &bar : bars)
        QVERIFY(bar.visible);
    QCOMPARE(bars[0].segments.size(), 3);
    QCOMPARE(bars[0].segments[0].width, 102);
    QCOMPARE(bars[0].segments[1].width, 61);
    QCOMPARE(bars[0].segments[2].width, 40);
    QCOMPARE(bars[2].segments.size(), 1);
    QCOMPARE(bars[2].segments[0].rowColors.first(), WinColor::rgb(200, 200, 200));
}

void TestMatchList::voteHeading_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<OleDate>("voteTime");
    QTest::addColumn<OleDate>("saleEnd");
    QTest::addColumn<QString>("heading");
    QTest::newRow("final status") << 1478 << at(2010, 5, 1, 13, 50) << at(2010, 5, 1, 13, 50)
                                  << "投票 2010/05/01 13:50 [最終]";
    QTest::newRow("earlier status") << 1478 << at(2010, 5, 1, 9, 5) << at(2010, 5, 1, 13, 50)
                                    << "投票 2010/05/01 09:05 ";
    QTest::newRow("no time stamp") << 1478 << OleDate() << OleDate() << "投 票 率 (ユーザー定義)";
    QTest::newRow("empty record") << 0 << OleDate() << OleDate() << "投 票 率";
}

void TestMatchList::voteHeading()
{
    QFETCH(int, round);
    QFETCH(OleDate, voteTime);
    QFETCH(OleDate, saleEnd);
    VoteData vote;
    vote.roundNumber = round;
    vote.voteTime = voteTime;
    vote.saleEnd = saleEnd;
    ListFixture list;
    list.game.vote(vote);
    QTEST(list.game.grid().caption(6, 1), "heading");
    QTEST(list.matches.drawnCell(6, 1)->caption, "heading");
}

void TestMatchList::voteClicks()
{
    ListFixture list;
    list.game.vote(voteOf(1478, QList<QList<int>>(14, {5, 3, 2})));
    QSignalSpy clicks(&list.game, &MatchList::VoteClick);
    const QPoint rate = cellPoint(list.game.voteGrid(), 2, 5);
    list.votes.click(1, 0, rate.x(), rate.y());
    list.votes.click(2, 0, rate.x(), rate.y());
    QCOMPARE(clicks.size(), 2);
    list.bars.click(6);
    QCOMPARE(clicks.size(), 3);
    // The match grid itself does not raise it.
    const QPoint team = cellPoint(list.game.grid(), 4, 5);
    list.matches.click(1, 0, team.x(), team.y());
    QCOMPARE(clicks.size(), 3);
}

void TestMatchList::beforeInitialize()
{
    RecordingUi ui;
    MatchList game;
    game.showSchedule(ScheduleData());
    game.vote(VoteData());
    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsTGame / Schedure"));
    QCOMPARE(ui.boxes()[1].title, QStringLiteral("QUDO / clsTGame / Vote"));
    QCOMPARE(ui.boxes()[1].text, QStringLiteral("Initialize Err"));
}

QTEST_GUILESS_MAIN(TestMatchList)
#include "TestMatchList.moc"
