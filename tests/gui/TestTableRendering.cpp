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
        const CellGrid *grid;
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

    GradeTable grade;
    GridView *gradeView = newView();
    grade.initialize(gradeView, 40, 21);
    grade.setValue(counts, 1478);

    OutcomeSelector selector;
    GridView *selectorView = newView();
    selector.initialize(selectorView, 30, 21);
    GameStateTable states{};
    for (int match = 0; match < 14; ++match)
        states[std::size_t(match)][std::size_t(match % 3)] = match < 9 ? 1 : 2;
    states[12].fill(3);
    selector.setValue(states);

    MarkCountTable count;
    GridView *countView = newView();
    count.initialize(countView, 67, 21);
    MarkCounts marks{};
    for (int match = 0; match < 14; ++match) {
        marks[0][std::size_t(match)] = 1594323 - match * 1000;
        marks[1][std::size_t(match)] = 1594323 + match * 1000;
        marks[2][std::size_t(match)] = match == 3 ? 0 : 1594323;
    }
    count.setColor(selector.getVisible());
    count.setValue(marks);
    MarkCountTable percent;
    GridView *percentView = newView();
    percent.initialize(percentView, 67, 21);
    percent.setColor(selector.getVisible());
    percent.setValue(marks);
    percent.setPercent(true);

    ConfirmedPrizeTable prizes;
    GridView *prizesView = newView();
    prizes.initialize(prizesView, 40, 21);
    ResultData result;
    result.roundNumber = 1478;
    const qint64 prize[] = {600000000, 12345678, 123456, 7890, 1234, 0};
    const qint64 winners[] = {2, 15, 1234, 23456, 345678, 0};
    for (int g = 1; g <= 6; ++g) {
        result.prize[std::size_t(g)] = Money::fromWhole(prize[g - 1]);
        result.winners[std::size_t(g)] = Money::fromWhole(winners[g - 1]);
    }
    result.carryOver[1] = Money::fromWhole(1234567890);
    prizes.setResult(result);
    prizes.setValue(counts);

    ResultGrid grid;
    GridView *gridView = newView();
    grid.initialize(gridView, 25, 21);
    const quint32 keys[] = {WinColor::Blue, WinColor::Yellow, WinColor::Red, WinColor::Green};
    for (int picture = 0; picture < 4; ++picture)
        grid.setColorImage(Pictures::resultState(picture), keys[picture]);
    for (int no = 0; no < 7; ++no) {
        ResultGrid::Marks single{};
        ResultGrid::Hits hits{};
        int misses = 0;
        for (int match = 0; match < 14; ++match) {
            single[std::size_t(match)] = quint8((match * 7 + no * 5) % 3);
            const bool miss = (match + no) % (no + 2) == 0;
            hits[std::size_t(match)] = match == 12 ? 3 : match >= 11 && no % 2 ? 4 : miss ? 0 : 1;
            misses += hits[std::size_t(match)] == 0;
        }
        single[14] = quint8(1 + misses);
        grid.setValue(no, single, hits, 1478);
    }
    for (int no = 7; no < 10; ++no)
        grid.setClear(no);
    grid.refresh();

    EstimateTable estimates;
    GridView *estimatesView = newView();
    estimates.initialize(estimatesView, 52, 28);
    VoteData vote;
    vote.roundNumber = 1478;
    for (int match = 1; match <= 14; ++match) {
        auto &shares = vote.game[std::size_t(match)].votes;
        shares[0].count = Money::fromWhole(180000 + match * 7000);
        shares[1].count = Money::fromWhole(420000 - match * 9000);
        shares[2].count = Money::fromWhole(150000 + match * 11000);
    }
    estimates.setVoteData(vote);
    // From the favourite on every match to long shots, and an empty slot.
    const qint32 singles[] = {2391484, 2391483, 2391480, 1594322, 0, 4782968, 3188645, 1234567, 4000000, -1};
    for (int slot = 0; slot < EstimateTable::Slots; ++slot)
        estimates.setData(slot, singles[slot]);

    const Shown shown[] = {
        {QStringLiteral("single_estimates"), &estimates.grid(), estimatesView},
        {QStringLiteral("grade"), &grade.grid(), gradeView},
        {QStringLiteral("game_state"), &selector.grid(), selectorView},
        {QStringLiteral("count"), &count.grid(), countView},
        {QStringLiteral("count_percent"), &percent.grid(), percentView},
        {QStringLiteral("confirmed_prizes"), &prizes.grid(), prizesView},
        {QStringLiteral("result_grid"), &grid.grid(), gridView},
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
    ScheduleFile schedule;
    VoteFile vote;
    ResultFile result;
    QVERIFY(schedule.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_schedule_1478.xml"))));
    QVERIFY(vote.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_vote_1478.xml"))));
    QVERIFY(result.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_result_1478.xml"))));
    m_views.clear();
    const auto newView = [this] { return m_views.emplace_back(std::make_unique<GridView>()).get(); };

    GridView *gridView = newView();
    GridView *gradeView = newView();
    GridView *multiView = newView();
    GridView *countView = newView();
    GridView *confirmedView = newView();
    QList<QVariant> pictures;
    for (int picture = 0; picture < 4; ++picture)
        pictures.append(Pictures::resultState(picture));
    CheckPageController page;
    page.initialize(gridView, gradeView, multiView, countView, confirmedView, nullptr, pictures);
    page.setResultData(1478, {}, result.result(), false);

    // The outcomes with a few marks changed, more towards the end of the list.
    std::vector<qint32> singles;
    MarkCounts frame{};
    for (int no = 0; no < 25; ++no) {
        std::array<qint32, 14> marks{};
        for (int match = 0; match < 14; ++match) {
            const int outcome = result.result().game[std::size_t(match + 1)].Outcome % 3;
            marks[std::size_t(match)] = (match * 5 + no * 3) % 11 < no / 3 ? (outcome + 1 + no % 2) % 3 : outcome;
            ++frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)];
        }
        qint32 code = 0;
        SingleCode().intsToCode(marks, code);
        singles.push_back(code);
    }
    page.setSingle(qint32(singles.size()), singles);
    page.setSingleFrame(frame, MatchFlags{});
    for (int step = 0; step < reveals; ++step)
        page.setNextData();

    GridView *matchView = newView();
    auto *voteArea = new VoteAreaView(matchView);
    MatchList game;
    game.initialize(matchView, voteArea, voteArea, false);
    game.showSchedule(schedule.schedule());
    game.vote(vote.vote());

    const QString state = reveals == 14 ? QStringLiteral("all") : QStringLiteral("%1reveals").arg(reveals);
    const Shown shown[] = {
        {QStringLiteral("check_grade_") + state, &page.gradeTable().grid(), gradeView},
        {QStringLiteral("check_game_state_") + state, &page.multiResult().grid(), multiView},
        {QStringLiteral("check_count_") + state, &page.countTable().grid(), countView},
        {QStringLiteral("check_confirmed_prizes_") + state, &page.confirmedPrizeTable().grid(), confirmedView},
        {QStringLiteral("check_result_grid_") + state, &page.resultGrid().grid(), gridView},
        {QStringLiteral("check_match_list"), &game.grid(), matchView},
        {QStringLiteral("check_vote_grid"), &game.voteGrid(), voteArea},
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
    QCOMPARE(page.revealed(), reveals);
    QCOMPARE(page.pageText(), QStringLiteral("1／3"));
}

QTEST_MAIN(TestTableRendering)
#include "TestTableRendering.moc"
