#include "ResultPage.h"
#include "common/GridReadback.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

#include <utility>

using namespace GridReadback;

// The check page's singles: pages of ten, the progress window and pending
// events of long lists, a list handed over while another is decoded, codes
// that stand for no single, and the hit sort.
class TestResultPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pages_data();
    void pages();
    void progressWindow_data();
    void progressWindow();
    void listHandedOverWhileDecoding();
    void codeOfNoSingleIsReported();
    void gradeSort_data();
    void gradeSort();
    void gradeSortRefusesOtherList();

private:
    TestAppFolder *m_app = nullptr;
};

void TestResultPages::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
    m_app = new TestAppFolder(TestAppFolder::SysData::Empty);
}

void TestResultPages::cleanup()
{
    delete m_app;
    m_app = nullptr;
    DisplayScale::setDpiSource({});
}

void TestResultPages::pages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("countText");
    QTest::addColumn<QStringList>("pageTexts");
    QTest::addColumn<QList<int>>("filledColumns");
    QTest::newRow("no singles") << 0 << "0" << QStringList{"1／1"} << QList<int>{0};
    QTest::newRow("20 singles") << 20 << "20" << QStringList{"1／2", "2／2"} << QList<int>{10, 10};
    QTest::newRow("25 singles") << 25 << "25" << QStringList{"1／3", "2／3", "3／3"} << QList<int>{10, 10, 5};
    QTest::newRow("1,234 singles") << 1234 << "1,234" << QStringList{"1／124", "2／124"} << QList<int>{10, 10};
}

void TestResultPages::pages()
{
    QFETCH(int, count);
    QFETCH(QStringList, pageTexts);
    QFETCH(QList<int>, filledColumns);
    ResultPage page;
    QSignalSpy pageTextSpy(&page.result, &CheckPageController::pageTextChanged);
    QSignalSpy arrowSpy(&page.result, &CheckPageController::pageArrowsChanged);
    page.result.setResultData(1479, {}, ResultData(), false);
    page.setSingles(firstCodes(count));
    // The page's arrows are told even when they stay as they were.
    QVERIFY(!arrowSpy.isEmpty());
    QCOMPARE(arrowSpy.last(), (QList<QVariant>{false, pageTexts.size() > 1}));
    QTEST(page.result.singleCountText(), "countText");
    const CellGrid &grid = page.result.resultGrid().grid();
    for (int p = 0; p < pageTexts.size(); ++p) {
        if (p > 0)
            page.result.moveNext();
        QCOMPARE(page.result.pageText(), pageTexts[p]);
        QCOMPARE(page.result.previousEnabled(), p > 0);
        QCOMPARE(page.result.nextEnabled(), p < page.result.lastPage());
        for (int col = 1; col <= 10; ++col) {
            const bool filled = col <= filledColumns[p];
            QCOMPARE(grid.caption(col, 16).isEmpty(), !filled);
            QCOMPARE(grid.caption(col, 2).isEmpty(), !filled);
            if (!filled)
                QCOMPARE(backColors(grid, col, 2, 16), QList<quint32>(15, WinColor::White));
        }
    }
    QCOMPARE(pageTextSpy.last().at(0).toString(), pageTexts.last());
    // The arrows stop at either end.
    const int pages = page.result.lastPage() + 1;
    for (int p = 0; p <= pages; ++p)
        page.result.moveNext();
    QCOMPARE(page.result.pageText(), QStringLiteral("%1／%1").arg(pages));
    QVERIFY(!page.result.nextEnabled());
    for (int p = 0; p <= pages; ++p)
        page.result.movePrevious();
    QCOMPARE(page.result.pageText(), pageTexts.first());
    QVERIFY(!page.result.previousEnabled());
}

void TestResultPages::progressWindow_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("pendingEvents");
    QTest::newRow("1,000") << 1000 << false << 0;
    QTest::newRow("1,001") << 1001 << false << 1;
    QTest::newRow("10,000") << 10000 << false << 9;
    QTest::newRow("10,001") << 10001 << true << 9;
}

void TestResultPages::progressWindow()
{
    QFETCH(int, count);
    QFETCH(bool, window);
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    page.setSingles(firstCodes(count));
    QTEST(ui.processEventsCalls(), "pendingEvents");
    QCOMPARE(ui.progressShows(), window ? 1 : 0);
    QVERIFY(!ui.progressShown());
    QVERIFY(!ui.busy());
    QVERIFY(ui.boxes().isEmpty());
    if (window) {
        QCOMPARE(ui.progressMessages().last(), QStringLiteral("シングル構成の解析中"));
        // Shown empty, moved on after every 1,001 singles, full at the end.
        QCOMPARE(ui.progressMax(), count - 1);
        QList<qint32> values;
        for (int done = 1001; done <= count; done += 1001)
            values.append(done - 1);
        values.append(count - 1);
        QCOMPARE(ui.progressValues(), values);
    }
}

void TestResultPages::listHandedOverWhileDecoding()
{
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    std::vector<qint32> first(30000, 0);
    const std::vector<qint32> second{singleOf(QStringLiteral("22222222222222")), 5};
    // The user's next action arrives while the first list is decoded.
    bool handedOver = false;
    ui.onProcessEvents = [&] {
        if (std::exchange(handedOver, true))
            return;
        first.assign(first.size(), -1);
        page.result.setSingle(2, second);
    };
    page.result.setSingle(30000, first);
    QCOMPARE(page.result.singleCount(), 2);
    QCOMPARE(page.result.singleCountText(), QStringLiteral("2"));
    QCOMPARE(page.result.pageText(), QStringLiteral("1／1"));
    QCOMPARE(page.result.resultGrid().grid().caption(1, 2), QStringLiteral("2"));
    QCOMPARE(page.result.counts(), countsOf({{1, 2}}));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(!ui.progressShown());
}

void TestResultPages::codeOfNoSingleIsReported()
{
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    page.setSingles({0, 1, 2});
    page.setSingles({0, -1, 2});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsTResult / SetSingle_Sub")));
    QCOMPARE(page.result.singleCount(), 0);
    QCOMPARE(page.result.singleCountText(), QStringLiteral("0"));
    QCOMPARE(page.result.counts(), GradeCounts{});
    QCOMPARE(page.result.resultGrid().grid().caption(1, 16), QString());
}

void TestResultPages::gradeSort_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::newRow("ascending") << true;
    QTest::newRow("descending") << false;
}

void TestResultPages::gradeSort()
{
    QFETCH(bool, ascending);
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true);
    std::vector<qint32> codes = varyingIn(Outcomes1478, {2, 6, 9});
    std::reverse(codes.begin(), codes.end());
    page.setSingles(codes);
    std::vector<qint32> sorted = codes;
    page.result.gradeSort(sorted, ascending);
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(std::is_permutation(sorted.begin(), sorted.end(), codes.begin()));
    page.setSingles(sorted);
    for (qint32 single = 1; single < page.result.singleCount(); ++single) {
        const int before = page.result.gradeCode(single - 1);
        const int here = page.result.gradeCode(single);
        QVERIFY2(ascending ? before <= here : before >= here, qPrintable(QString::number(single)));
    }
}

void TestResultPages::gradeSortRefusesOtherList()
{
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true);
    page.setSingles({3, 2, 1});
    std::vector<qint32> other{9, 8, 7, 6};
    page.result.gradeSort(other, true);
    QCOMPARE(other, (std::vector<qint32>{9, 8, 7, 6}));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsTResult / GradeSort_Sub"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("シングル数が一致しません"));
}

QTEST_GUILESS_MAIN(TestResultPages)
#include "TestResultPages.moc"
