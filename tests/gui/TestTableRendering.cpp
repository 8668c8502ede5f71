#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "support/DisplayScale.h"
#include "evaluation/MarkCountTable.h"
#include "evaluation/MatchList.h"
#include "evaluation/CheckPageController.h"
#include "evaluation/OutcomeSelector.h"
#include "evaluation/GradeTable.h"
#include "evaluation/ResultGrid.h"
#include "evaluation/ConfirmedPrizeTable.h"
#include "lottery/SingleCode.h"
#include "rounddata/ResultFile.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"
#include "singles/EstimateTable.h"
#include "support/WinColor.h"
#include "gui/GridView.h"
#include "gui/Pictures.h"
#include "RenderedPictures.h"
#include "gui/VoteAreaView.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <memory>

// Every table of the result page rendered with realistic figures through the
// real view, at 96 and 144 dots per inch. The pictures land in
// <build>/bin/table-pictures for anyone to look at; the test checks that every
// caption fits its cell in the font actually used.
class TestTableRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void resultPageTables_data();
    void resultPageTables();
    void pictures_data();
    void pictures();
    void checkPage_data();
    void checkPage();

private:
    struct Shown
    {
        QString name;
        const clsGrid *grid;
        GridView *view;
    };

    static void save(const Shown &shown, int dpi);
    static void checkFits(const Shown &shown);

    std::vector<std::unique_ptr<GridView>> m_views;
};

void TestTableRendering::cleanup()
{
    DisplayScale::setDpiSource({});
}

void TestTableRendering::save(const Shown &shown, int dpi)
{
    QVERIFY(RenderedPictures::save(shown.view->canvas(), shown.name, dpi));
}

void TestTableRendering::checkFits(const Shown &shown)
{
    const QStringList overflowing = RenderedPictures::overflowingCells(*shown.grid, shown.view->cellFont());
    QVERIFY2(overflowing.isEmpty(), qPrintable(shown.name + QStringLiteral(": ") + overflowing.join(u' ')));
}

void TestTableRendering::resultPageTables_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("144 dpi") << 144;
}

void TestTableRendering::resultPageTables()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    m_views.clear();
    const auto newView = [this] { return m_views.emplace_back(std::make_unique<GridView>()).get(); };

    // Every possible single of round 1478, graded against a full result.
    GradeCounts counts{};
    qint64 binomial = 1;
    for (int misses = 0; misses <= 14; ++misses) {
        counts[std::size_t(misses)] = qint32(binomial << misses);
        binomial = binomial * (14 - misses) / (misses + 1);
    }

    clsTResultGrade grade;
    GridView *gradeView = newView();
    grade.Initialize(gradeView, 40, 21);
    grade.SetValue(counts, 1478);

    clsTMultiResult selector;
    GridView *selectorView = newView();
    selector.Initialize(selectorView, 30, 21);
    GameStateTable states{};
    for (int match = 0; match < 14; ++match)
        states[std::size_t(match)][std::size_t(match % 3)] = match < 9 ? 1 : 2;
    states[12].fill(3);
    selector.SetValue(states);

    clsTCount count;
    GridView *countView = newView();
    count.Initialize(countView, 67, 21);
    MarkCounts marks{};
    for (int match = 0; match < 14; ++match) {
        marks[0][std::size_t(match)] = 1594323 - match * 1000;
        marks[1][std::size_t(match)] = 1594323 + match * 1000;
        marks[2][std::size_t(match)] = match == 3 ? 0 : 1594323;
    }
    count.SetColor(selector.GetVisible());
    count.SetValue(marks);
    clsTCount percent;
    GridView *percentView = newView();
    percent.Initialize(percentView, 67, 21);
    percent.SetColor(selector.GetVisible());
    percent.SetValue(marks);
    percent.SetPercent(true);

    clsTResultKakutei prizes;
    GridView *prizesView = newView();
    prizes.Initialize(prizesView, 40, 21);
    ResultData result;
    result.Kaisaikai = 1478;
    const qint64 prize[] = {600000000, 12345678, 123456, 7890, 1234, 0};
    const qint64 winners[] = {2, 15, 1234, 23456, 345678, 0};
    for (int g = 1; g <= 6; ++g) {
        result.Prize[std::size_t(g)] = Money::fromWhole(prize[g - 1]);
        result.Winners[std::size_t(g)] = Money::fromWhole(winners[g - 1]);
    }
    result.CarryOver[1] = Money::fromWhole(1234567890);
    prizes.SetResult(result);
    prizes.SetValue(counts);

    clsTResultGrid grid;
    GridView *gridView = newView();
    grid.Initialize(gridView, 25, 21);
    const quint32 keys[] = {WinColor::Blue, WinColor::Yellow, WinColor::Red, WinColor::Green};
    for (int picture = 0; picture < 4; ++picture)
        grid.SetColorImage(Pictures::resultState(picture), keys[picture]);
    for (int no = 0; no < 7; ++no) {
        clsTResultGrid::Marks single{};
        clsTResultGrid::Hits hits{};
        int misses = 0;
        for (int match = 0; match < 14; ++match) {
            single[std::size_t(match)] = quint8((match * 7 + no * 5) % 3);
            const bool miss = (match + no) % (no + 2) == 0;
            hits[std::size_t(match)] = match == 12 ? 3 : match >= 11 && no % 2 ? 4 : miss ? 0 : 1;
            misses += hits[std::size_t(match)] == 0;
        }
        single[14] = quint8(1 + misses);
        grid.SetValue(no, single, hits, 1478);
    }
    for (int no = 7; no < 10; ++no)
        grid.SetClear(no);
    grid.Refresh();

    clsTSingleList estimates;
    GridView *estimatesView = newView();
    estimates.Initialize(estimatesView, 52, 28);
    VoteData vote;
    vote.Kaisaikai = 1478;
    for (int match = 1; match <= 14; ++match) {
        auto &shares = vote.Game[std::size_t(match)].Votes;
        shares[0].Count = Money::fromWhole(180000 + match * 7000);
        shares[1].Count = Money::fromWhole(420000 - match * 9000);
        shares[2].Count = Money::fromWhole(150000 + match * 11000);
    }
    estimates.SetVoteData(vote);
    // From the favourite on every match to long shots, and an empty slot.
    const qint32 singles[] = {2391484, 2391483, 2391480, 1594322, 0, 4782968, 3188645, 1234567, 4000000, -1};
    for (int slot = 0; slot < clsTSingleList::Slots; ++slot)
        estimates.SetData(slot, singles[slot]);

    const Shown shown[] = {
        {QStringLiteral("single_estimates"), &estimates.Grid(), estimatesView},
        {QStringLiteral("grade"), &grade.Grid(), gradeView},
        {QStringLiteral("game_state"), &selector.Grid(), selectorView},
        {QStringLiteral("count"), &count.Grid(), countView},
        {QStringLiteral("count_percent"), &percent.Grid(), percentView},
        {QStringLiteral("confirmed_prizes"), &prizes.Grid(), prizesView},
        {QStringLiteral("result_grid"), &grid.Grid(), gridView},
    };
    for (const Shown &table : shown) {
        save(table, dpi);
        checkFits(table);
    }
}

void TestTableRendering::pictures_data()
{
    resultPageTables_data();
}

void TestTableRendering::pictures()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    const double scale = dpi / 96.0;
    QList<QImage> strip;
    for (int state = 0; state < 4; ++state)
        strip.append(Pictures::resultState(state));
    for (const bool marked : {false, true})
        for (const int mark : {1, 0, 2})
            strip.append(Pictures::markBox(mark, marked));
    for (int i = 0; i < strip.size(); ++i) {
        const QSize layout = i < 4 ? Pictures::ResultStateSize : Pictures::MarkBoxSize;
        QCOMPARE(strip[i].size(), QSize(qRound(layout.width() * scale), qRound(layout.height() * scale)));
    }

    // Side by side on white, a few pixels apart, for looking at.
    const int gap = 4;
    int width = gap;
    int height = 0;
    for (const QImage &picture : strip) {
        width += picture.width() + gap;
        height = std::max(height, picture.height());
    }
    QImage sheet(width, height + 2 * gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = gap;
    for (const QImage &picture : strip) {
        painter.drawImage(x, gap, picture);
        x += picture.width() + gap;
    }
    painter.end();
    QVERIFY(RenderedPictures::save(sheet, QStringLiteral("pictures"), dpi));
}

void TestTableRendering::checkPage_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("reveals");
    for (const int dpi : {96, 144}) {
        QTest::addRow("%d dpi, 3 reveals", dpi) << dpi << 3;
        QTest::addRow("%d dpi, all revealed", dpi) << dpi << 14;
    }
}

// The parts of the check page for round 1478 (match 14 cancelled) with 25
// singles, as the controllers fill them.
void TestTableRendering::checkPage()
{
    QFETCH(int, dpi);
    QFETCH(int, reveals);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    const TestAppFolder app;
    clsXmlSchedule schedule;
    clsXmlVote vote;
    clsXmlResult result;
    QVERIFY(schedule.XmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_schedule_1478.xml"))));
    QVERIFY(vote.XmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_vote_1478.xml"))));
    QVERIFY(result.XmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_result_1478.xml"))));
    m_views.clear();
    const auto newView = [this] { return m_views.emplace_back(std::make_unique<GridView>()).get(); };

    GridView *gridView = newView();
    GridView *gradeView = newView();
    GridView *multiView = newView();
    GridView *countView = newView();
    GridView *kakuteiView = newView();
    QList<QVariant> pictures;
    for (int picture = 0; picture < 4; ++picture)
        pictures.append(Pictures::resultState(picture));
    clsTResult page;
    page.Initialize(gridView, gradeView, multiView, countView, kakuteiView, nullptr, pictures);
    page.SetResultData(1478, {}, result.Result(), false);

    // The outcomes with a few marks changed, more towards the end of the list.
    std::vector<qint32> singles;
    MarkCounts frame{};
    for (int no = 0; no < 25; ++no) {
        std::array<qint32, 14> marks{};
        for (int match = 0; match < 14; ++match) {
            const int outcome = result.Result().Game[std::size_t(match + 1)].Outcome % 3;
            marks[std::size_t(match)] = (match * 5 + no * 3) % 11 < no / 3 ? (outcome + 1 + no % 2) % 3 : outcome;
            ++frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)];
        }
        qint32 code = 0;
        clsTNumber().LongToNo(marks, code);
        singles.push_back(code);
    }
    page.SetSingle(qint32(singles.size()), singles);
    page.SetSingleFrame(frame, MatchFlags{});
    for (int step = 0; step < reveals; ++step)
        page.SetNextData();

    GridView *matchView = newView();
    auto *voteArea = new VoteAreaView(matchView);
    clsTGame game;
    game.Initialize(matchView, voteArea, voteArea, false);
    game.Schedure(schedule.Schedule());
    game.Vote(vote.Vote());

    const QString state = reveals == 14 ? QStringLiteral("all") : QStringLiteral("%1reveals").arg(reveals);
    const Shown shown[] = {
        {QStringLiteral("check_grade_") + state, &page.GradeTable().Grid(), gradeView},
        {QStringLiteral("check_game_state_") + state, &page.MultiResult().Grid(), multiView},
        {QStringLiteral("check_count_") + state, &page.CountTable().Grid(), countView},
        {QStringLiteral("check_confirmed_prizes_") + state, &page.KakuteiTable().Grid(), kakuteiView},
        {QStringLiteral("check_result_grid_") + state, &page.ResultGrid().Grid(), gridView},
        {QStringLiteral("check_match_list"), &game.Grid(), matchView},
        {QStringLiteral("check_vote_grid"), &game.VoteGrid(), voteArea},
    };
    for (const Shown &table : shown) {
        if (table.view != voteArea)
            save(table, dpi);
        checkFits(table);
    }
    // The match list as it shows: the vote area with its bars over the last column.
    QImage list = matchView->canvas();
    QPainter painter(&list);
    painter.drawImage(voteArea->pos(), voteArea->picture());
    painter.end();
    QVERIFY(RenderedPictures::save(list, QStringLiteral("check_match_list_with_bars"), dpi));
    QCOMPARE(page.Revealed(), reveals);
    QCOMPARE(page.PageText(), QStringLiteral("1／3"));
}

QTEST_MAIN(TestTableRendering)
#include "TestTableRendering.moc"
