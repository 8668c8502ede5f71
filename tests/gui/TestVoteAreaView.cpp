#include "common/TestAppFolder.h"
#include "evaluation/MatchList.h"
#include "gui/GridView.h"
#include "gui/VoteAreaView.h"
#include "support/DisplayScale.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// The match list on its real views: the vote area is a child of the match grid's view.
struct PaintedMatchList
{
    GridView matches;
    VoteAreaView *votes = new VoteAreaView(&matches);
    MatchList game;

    PaintedMatchList()
    {
        game.initialize(&matches, votes, votes, false);
        VoteData vote;
        vote.roundNumber = 1478;
        const int counts[3] = {50, 30, 20};   // "1", "0", "2"
        const int markOf[3] = {1, 0, 2};
        for (int i = 0; i < 3; ++i)
            vote.game[1].votes[std::size_t(markOf[i])].count = Money::fromWhole(counts[i]);
        game.vote(vote);
    }
};

} // namespace

// The vote area's view: bars painted over the vote grid, and clicks on bars
// and rates reaching the match list.
class TestVoteAreaView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void placedOverTheVoteColumn();
    void barsPaintedOverTheGrid();
    void clicksOnBarsAndRates();

private:
    TestAppFolder *m_app = nullptr;
};

void TestVoteAreaView::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
    m_app = new TestAppFolder(TestAppFolder::SysData::Shipped);
}

void TestVoteAreaView::cleanup()
{
    delete m_app;
    m_app = nullptr;
    DisplayScale::setDpiSource({});
}

void TestVoteAreaView::placedOverTheVoteColumn()
{
    PaintedMatchList list;
    QCOMPARE(list.votes->geometry(), list.game.voteAreaRect());
    QCOMPARE(list.votes->geometry(), QRect(174, 21, 204, 309));
    QVERIFY(list.matches.rect().contains(list.votes->geometry()));
}

void TestVoteAreaView::barsPaintedOverTheGrid()
{
    PaintedMatchList list;
    const QImage shown = list.votes->picture();
    // Bar 1 at (1, 15): light blue up to x = 102, light yellow, then light red.
    QCOMPARE(shown.pixelColor(1, 15), QColor(160, 160, 225));
    QCOMPARE(shown.pixelColor(102, 16), QColor(190, 190, 255));
    QCOMPARE(shown.pixelColor(103, 16), QColor(255, 255, 190));
    QCOMPARE(shown.pixelColor(203, 21), QColor(171, 106, 106));
    // Bar 2 has no votes: grey.
    QCOMPARE(shown.pixelColor(50, 15 + 22), QColor(200, 200, 200));
    // The rates' row above the first bar keeps the grid's white.
    QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::white));
}

void TestVoteAreaView::clicksOnBarsAndRates()
{
    PaintedMatchList list;
    list.matches.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list.matches));
    QSignalSpy clicks(&list.game, &MatchList::VoteClick);
    QTest::mouseClick(list.votes, Qt::LeftButton, Qt::NoModifier, QPoint(150, 18));   // on bar 1
    QTest::mouseClick(list.votes, Qt::RightButton, Qt::NoModifier, QPoint(30, 5));    // on the rates of match 1
    QCOMPARE(clicks.size(), 2);
    // Pressed on a bar, released off it: no click.
    QTest::mousePress(list.votes, Qt::LeftButton, Qt::NoModifier, QPoint(150, 18));
    QTest::mouseRelease(list.votes, Qt::LeftButton, Qt::NoModifier, QPoint(150, 5));
    QCOMPARE(clicks.size(), 2);
}

QTEST_MAIN(TestVoteAreaView)
#include "TestVoteAreaView.moc"
