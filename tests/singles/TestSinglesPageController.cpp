#include "common/GridReadback.h"
#include "common/RecordingSheetSurface.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "common/SinglesLog.h"
#include "singles/SinglesPageController.h"
#include "singles/FrameCounter.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The singles page's controller over the list store, driven as the main
// window drives it; the sheet, the count table and the estimate table are
// read back from their recording surfaces.
class TestSinglesPageController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void emptyListShowsOnePageWithoutArrows();
    void markClickOnEmptySlotAddsSingleNumberOne_data();
    void markClickOnEmptySlotAddsSingleNumberOne();
    void eleventhSingleMovesToPageTwo();
    void markClickChangesOneMark();
    void clickingTheMarkShownChangesNothing();
    void anyButtonSetsAMark();
    void pagesShowTheirSingles();
    void arrowsStayAtTheEnds();
    void pageBeyondTheListShowsTheLastPage();
    void numberClickSelects();
    void selectAllAndNone();
    void deleteWithoutSelectionOnlyTells();
    void deleteAnsweredNoKeepsTheList();
    void deletingTheWholeLastPageShowsTheNewLastPage();
    void deletingEverySingleLeavesPageOne();
    void addExAppendsTheTypedSingle();
    void addExRefusesOtherTexts_data();
    void addExRefusesOtherTexts();
    void replacedListFormatsCountAndClearsSelection();
    void viewNeverShowsSinglesTheListNoLongerHolds();
    void lockedListTakesNoEdits();
    void storeRefusesIndexesOutsideTheList_data();
    void storeRefusesIndexesOutsideTheList();
    void frameReachesTheCountTable();

private:
    // A list of n singles: single i has mark "1" on match 1 + i % 14 and "0" elsewhere.
    static QList<qint32> singles(int n);
    void showList(const QList<qint32> &list);
    void clickMark(int slot, int mark, int match, int button = 1);
    void clickNumber(int slot);
    QStringList numbers() const { return m_sheetSurface->numberTexts(); }

    std::unique_ptr<RecordingUi> m_ui;
    std::unique_ptr<RecordingSheetSurface> m_sheetSurface;
    std::unique_ptr<RecordingSurface> m_countSurface;
    std::unique_ptr<RecordingSurface> m_listSurface;
    std::unique_ptr<SingleListStore> m_list;
    std::unique_ptr<SinglesPageController> m_singles;
    std::unique_ptr<SinglesLog> m_log;
};

namespace {

const QStringList EmptyNumbers(10, QString());
const QString NoMarks(14, u'-');

QPointF centre(const QRectF &rect)
{
    return rect.center();
}

} // namespace

void TestSinglesPageController::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
    m_ui = std::make_unique<RecordingUi>();
    m_sheetSurface = std::make_unique<RecordingSheetSurface>();
    m_countSurface = std::make_unique<RecordingSurface>();
    m_listSurface = std::make_unique<RecordingSurface>();
    m_list = std::make_unique<SingleListStore>();
    m_singles = std::make_unique<SinglesPageController>(*m_list);
    RecordingSheetSurface::givePictures(m_singles->sheet());
    m_singles->initialize(m_sheetSurface.get(), m_countSurface.get(), m_listSurface.get());
    m_log = std::make_unique<SinglesLog>(*m_list, *m_singles);
}

void TestSinglesPageController::cleanup()
{
    m_log.reset();
    m_singles.reset();
    m_list.reset();
    m_sheetSurface.reset();
    m_countSurface.reset();
    m_listSurface.reset();
    m_ui.reset();
    DisplayScale::setDpiSource({});
}

QList<qint32> TestSinglesPageController::singles(int n)
{
    QList<qint32> list;
    for (int i = 0; i < n; ++i)
        list.append(SingleCode::Power[i % 14]);
    return list;
}

void TestSinglesPageController::showList(const QList<qint32> &list)
{
    m_list->replace(list);
    m_singles->show();
    m_log->lines.clear();
}

void TestSinglesPageController::clickMark(int slot, int mark, int match, int button)
{
    MarkSheet &sheet = m_singles->sheet();
    const QPointF at = centre(sheet.markBoxRect(slot, mark, match));
    sheet.pressAt(button, at);
    sheet.releaseAt(button, at);
}

void TestSinglesPageController::clickNumber(int slot)
{
    MarkSheet &sheet = m_singles->sheet();
    const QPointF at = centre(sheet.numberRect(slot));
    sheet.pressAt(1, at);
    sheet.releaseAt(1, at);
}

void TestSinglesPageController::emptyListShowsOnePageWithoutArrows()
{
    QSignalSpy arrows(m_singles.get(), &SinglesPageController::arrowsChanged);
    showList({});
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／1"));
    QCOMPARE(m_singles->countText(), QStringLiteral("0"));
    QVERIFY(!arrows.isEmpty());
    QCOMPARE(arrows.last(), (QVariantList{false, false}));
    QCOMPARE(numbers(), EmptyNumbers);
    for (int slot = 0; slot < 10; ++slot) {
        QCOMPARE(m_sheetSurface->markedMarks(slot), NoMarks);
        QCOMPARE(GridReadback::column(m_singles->estimateTable().grid(), slot + 2, 1, 5), QStringList(5, QString()));
    }
}

void TestSinglesPageController::markClickOnEmptySlotAddsSingleNumberOne_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("match");
    QTest::newRow("first slot, mark 1, match 1") << 0 << 1 << 0;
    QTest::newRow("sixth slot, mark 2, match 9") << 5 << 2 << 8;
    QTest::newRow("last slot, mark 0, match 14") << 9 << 0 << 13;
}

void TestSinglesPageController::markClickOnEmptySlotAddsSingleNumberOne()
{
    QFETCH(int, slot);
    QFETCH(int, mark);
    QFETCH(int, match);
    showList({});
    QSignalSpy values(m_list.get(), &SingleListStore::ChangeValue);
    clickMark(slot, mark, match);

    QCOMPARE(values.size(), 0);
    QCOMPARE(m_log->lines, (QStringList{"page 1／1", "ChangeCount 1", "ChangeFrame", "page 1／1"}));
    QCOMPARE(m_list->codes(), QList<qint32>{0});
    QCOMPARE(m_singles->singles(), QList<qint32>{0});
    QCOMPARE(m_singles->count(), 1);
    QCOMPARE(m_singles->countText(), QStringLiteral("1"));
    MarkCounts frame{};
    frame[0].fill(1);
    QCOMPARE(m_list->frame(), frame);
    QCOMPARE(m_singles->frame(), frame);
    QCOMPARE(numbers()[0], QStringLiteral("1"));
    QCOMPARE(numbers().mid(1), QStringList(9, QString()));
    // The new single has every mark "0", the clicked mark was not applied.
    QCOMPARE(m_sheetSurface->markedMarks(0), QString(14, u'0'));
    QCOMPARE(m_singles->estimateTable().grid().caption(2, 4), QStringLiteral("0-14-0"));
}

void TestSinglesPageController::eleventhSingleMovesToPageTwo()
{
    showList(singles(10));
    QCOMPARE(m_singles->lastPage(), 0);
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／1"));
    QSignalSpy arrows(m_singles.get(), &SinglesPageController::arrowsChanged);
    m_singles->add();

    QCOMPARE(m_log->lines, (QStringList{"page 1／2", "ChangeCount 11", "ChangeFrame", "page 2／2"}));
    QCOMPARE(m_singles->Page(), 1);
    QCOMPARE(m_singles->pageText(), QStringLiteral("2／2"));
    QCOMPARE(arrows.last(), (QVariantList{true, false}));
    QCOMPARE(numbers()[0], QStringLiteral("11"));
    QCOMPARE(numbers().mid(1), QStringList(9, QString()));
    QCOMPARE(m_sheetSurface->markedMarks(0), QString(14, u'0'));
    QCOMPARE(m_sheetSurface->markedMarks(1), NoMarks);
    QCOMPARE(m_list->count(), 11);
    QCOMPARE(m_list->codes(), singles(10) << 0);
    QCOMPARE(m_list->frame()[0][0], 9 + 1);
    QCOMPARE(m_list->frame()[1][0], 1);
}

void TestSinglesPageController::markClickChangesOneMark()
{
    showList({0, 0});
    QSignalSpy values(m_list.get(), &SingleListStore::ChangeValue);
    QSignalSpy frames(m_list.get(), &SingleListStore::changeFrame);
    clickMark(1, 2, 0);

    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0], (QVariantList{1, 2}));
    QCOMPARE(frames.size(), 1);
    QCOMPARE(m_log->lines, (QStringList{"ChangeValue 1 2", "ChangeFrame"}));
    QCOMPARE(m_list->codes(), (QList<qint32>{0, 2}));
    QCOMPARE(m_singles->singles(), (QList<qint32>{0, 2}));
    QCOMPARE(m_list->frame()[0][0], 1);
    QCOMPARE(m_list->frame()[2][0], 1);
    QCOMPARE(m_list->frame()[0][1], 2);
    QCOMPARE(m_singles->frame(), m_list->frame());
    QCOMPARE(m_sheetSurface->markedMarks(1), u'2' + QString(13, u'0'));
    QCOMPARE(m_sheetSurface->markedMarks(0), QString(14, u'0'));
    QCOMPARE(m_singles->estimateTable().grid().caption(3, 4), QStringLiteral("0-13-1"));
    // The count table shows the store's frame.
    QCOMPARE(GridReadback::row(m_singles->countTable().grid(), 2, 1, 3),
             (QStringList{"       ", "      1", "      1"}));
}

void TestSinglesPageController::clickingTheMarkShownChangesNothing()
{
    showList({19});   // "1", "0", "2" on matches 1, 2, 3
    const MarkCounts before = m_list->frame();
    clickMark(0, 2, 2);
    QCOMPARE(m_log->lines, (QStringList{"ChangeValue 0 19", "ChangeFrame"}));
    QCOMPARE(m_list->codes(), QList<qint32>{19});
    QCOMPARE(m_list->frame(), before);
}

void TestSinglesPageController::anyButtonSetsAMark()
{
    showList({0});
    clickMark(0, 1, 13, 2);
    QCOMPARE(m_list->codes(), QList<qint32>{SingleCode::Power[13]});
    clickMark(0, 2, 13, 4);
    QCOMPARE(m_list->codes(), QList<qint32>{2 * SingleCode::Power[13]});
    QCOMPARE(m_sheetSurface->markedMarks(0), QString(13, u'0') + u'2');
}

void TestSinglesPageController::pagesShowTheirSingles()
{
    showList(singles(25));
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／3"));
    m_singles->movePage(2);
    QCOMPARE(m_singles->pageText(), QStringLiteral("3／3"));
    QCOMPARE(numbers(), (QStringList{"21", "22", "23", "24", "25", "", "", "", "", ""}));
    // Single 21 (index 20) has mark "1" on match 7.
    QCOMPARE(m_sheetSurface->markedMarks(0), QStringLiteral("00000010000000"));
    QCOMPARE(m_sheetSurface->markedMarks(5), NoMarks);
    QCOMPARE(m_singles->estimateTable().grid().caption(2, 4), QStringLiteral("1-13-0"));
    QCOMPARE(m_singles->estimateTable().grid().caption(7, 4), QString());
}

void TestSinglesPageController::arrowsStayAtTheEnds()
{
    showList(singles(25));
    QSignalSpy arrows(m_singles.get(), &SinglesPageController::arrowsChanged);
    m_singles->movePrevious();
    QCOMPARE(m_singles->Page(), 0);
    QCOMPARE(arrows.last(), (QVariantList{false, true}));
    m_singles->moveNext();
    QCOMPARE(arrows.last(), (QVariantList{true, true}));
    m_singles->moveNext();
    m_singles->moveNext();
    QCOMPARE(m_singles->Page(), 2);
    QCOMPARE(m_singles->pageText(), QStringLiteral("3／3"));
    QCOMPARE(arrows.last(), (QVariantList{true, false}));
    m_singles->movePrevious();
    QCOMPARE(m_singles->pageText(), QStringLiteral("2／3"));
}

void TestSinglesPageController::pageBeyondTheListShowsTheLastPage()
{
    showList(singles(25));
    m_singles->movePage(7);
    QCOMPARE(m_singles->pageText(), QStringLiteral("3／3"));
    m_singles->movePage(-1);
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／3"));
    QCOMPARE(numbers()[0], QStringLiteral("1"));
}

void TestSinglesPageController::numberClickSelects()
{
    showList(singles(3));
    clickNumber(1);
    QVERIFY(m_singles->isSelected(1));
    QCOMPARE(m_sheetSurface->number(1).foreColor, WinColor::White);
    QCOMPARE(m_sheetSurface->number(1).backColor, WinColor::Black);
    QCOMPARE(m_sheetSurface->number(0).backColor, WinColor::White);
    clickNumber(1);
    QVERIFY(!m_singles->isSelected(1));
    QCOMPARE(m_sheetSurface->number(1).backColor, WinColor::White);
    // An empty slot has nothing to select.
    clickNumber(5);
    QCOMPARE(m_sheetSurface->number(5).text, QString());
    QCOMPARE(m_sheetSurface->number(5).backColor, WinColor::White);
    QVERIFY(m_log->lines.isEmpty());
}

void TestSinglesPageController::selectAllAndNone()
{
    showList(singles(13));
    m_singles->movePage(1);
    m_singles->setAllSelect(true);
    for (int index = 0; index < 13; ++index)
        QVERIFY(m_singles->isSelected(index));
    QCOMPARE(m_sheetSurface->number(2).backColor, WinColor::Black);
    // Empty slots stay as they are.
    QCOMPARE(m_sheetSurface->number(3).backColor, WinColor::White);
    QCOMPARE(m_sheetSurface->number(3).text, QString());
    m_singles->setAllSelect(false);
    QVERIFY(!m_singles->isSelected(12));
    QCOMPARE(m_sheetSurface->number(2).backColor, WinColor::White);
}

void TestSinglesPageController::deleteWithoutSelectionOnlyTells()
{
    showList(singles(5));
    m_singles->selectDelete();
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(m_ui->boxes()[0].title, QStringLiteral("選択シングルを削除"));
    QCOMPARE(m_ui->boxes()[0].text, QStringLiteral("削除対象のシングルが選択されていません"));
    QVERIFY(m_log->lines.isEmpty());
    QCOMPARE(m_singles->count(), 5);
}

void TestSinglesPageController::deleteAnsweredNoKeepsTheList()
{
    showList(singles(5));
    clickNumber(0);
    m_ui->scriptAnswers({Ui::Answer::No});
    m_singles->selectDelete();
    QCOMPARE(m_ui->boxes().size(), 1);
    const RecordingUi::Box &question = m_ui->boxes()[0];
    QCOMPARE(question.icon, Ui::Icon::Question);
    QCOMPARE(question.buttons, Ui::Buttons::YesNo);
    QCOMPARE(question.preselected, Ui::Answer::No);
    QCOMPARE(question.title, QStringLiteral("選択シングルを削除"));
    QCOMPARE(question.text, QStringLiteral("選択シングルを削除します。よろしいですか？"));
    QVERIFY(m_log->lines.isEmpty());
    QVERIFY(m_singles->isSelected(0));
}

void TestSinglesPageController::deletingTheWholeLastPageShowsTheNewLastPage()
{
    const QList<qint32> list = singles(25);
    showList(list);
    m_singles->movePage(2);
    for (int slot = 0; slot < 5; ++slot)
        clickNumber(slot);
    clickNumber(0);   // number 21 unselected again
    m_singles->movePage(0);
    clickNumber(3);   // number 4
    m_singles->movePage(2);
    clickNumber(0);
    m_log->lines.clear();
    m_ui->scriptAnswers({Ui::Answer::Yes});
    m_singles->selectDelete();

    QCOMPARE(m_log->lines, (QStringList{"page 2／2", "ChangeCount 19", "ChangeFrame", "page 2／2"}));
    QList<qint32> kept = list.first(20);
    kept.removeAt(3);
    QCOMPARE(m_list->codes(), kept);
    QCOMPARE(m_singles->singles(), kept);
    MarkCounts frame{};
    FrameCounter::getSingleFrame(qint32(kept.size()), kept, frame);
    QCOMPARE(m_list->frame(), frame);
    QCOMPARE(m_singles->Page(), 1);
    QCOMPARE(numbers(), (QStringList{"11", "12", "13", "14", "15", "16", "17", "18", "19", ""}));
    QCOMPARE(m_singles->previousUsable(), true);
    QCOMPARE(m_singles->nextUsable(), false);
    // Selection is gone with the new list.
    QCOMPARE(m_sheetSurface->number(0).backColor, WinColor::White);
}

void TestSinglesPageController::deletingEverySingleLeavesPageOne()
{
    showList(singles(12));
    m_singles->setAllSelect(true);
    m_singles->movePage(1);
    m_ui->scriptAnswers({Ui::Answer::Yes});
    m_singles->selectDelete();
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_list->codes().isEmpty());
    QCOMPARE(m_list->frame(), MarkCounts{});
    QCOMPARE(m_singles->count(), 0);
    QCOMPARE(m_singles->Page(), 0);
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／1"));
    QCOMPARE(numbers(), EmptyNumbers);
    QCOMPARE(m_sheetSurface->markedMarks(0), NoMarks);
}

void TestSinglesPageController::addExAppendsTheTypedSingle()
{
    showList({0});
    QVERIFY(m_singles->addEx(QStringLiteral("10200000000002")));
    const qint32 code = 1 + 2 * 9 + 2 * SingleCode::Power[13];
    QCOMPARE(m_list->codes(), (QList<qint32>{0, code}));
    QCOMPARE(m_log->lines, (QStringList{"page 1／1", "ChangeCount 2", "ChangeFrame", "page 1／1"}));
    QCOMPARE(m_list->frame()[1][0], 1);
    QCOMPARE(m_list->frame()[0][0], 1);
    QCOMPARE(m_list->frame()[2][2], 1);
    QCOMPARE(m_list->frame()[2][13], 1);
    QCOMPARE(m_list->frame()[0][1], 2);
    QCOMPARE(m_sheetSurface->markedMarks(1), QStringLiteral("10200000000002"));
}

void TestSinglesPageController::addExRefusesOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("13 digits") << "1020000000000";
    QTest::newRow("15 digits") << "102000000000000";
    QTest::newRow("digit 3") << "10200000000003";
    QTest::newRow("space") << "1020000000000 ";
    QTest::newRow("full-width digit") << "1020000000000１";
}

void TestSinglesPageController::addExRefusesOtherTexts()
{
    QFETCH(QString, text);
    showList({0});
    QVERIFY(!m_singles->addEx(text));
    QVERIFY(m_log->lines.isEmpty());
    QCOMPARE(m_list->codes(), QList<qint32>{0});
}

void TestSinglesPageController::replacedListFormatsCountAndClearsSelection()
{
    QSignalSpy countTexts(m_singles.get(), &SinglesPageController::CountTextChanged);
    showList(singles(30));
    m_singles->movePage(2);
    m_singles->setAllSelect(true);
    const QList<qint32> many(12345, 7);
    m_list->replace(many);
    QCOMPARE(countTexts.last()[0].toString(), QStringLiteral("12,345"));
    QCOMPARE(m_singles->lastPage(), 1234);
    // The page stays where the new list has it, showing the new singles.
    QCOMPARE(m_singles->Page(), 2);
    QCOMPARE(numbers()[0], QStringLiteral("21"));
    QCOMPARE(m_sheetSurface->markedMarks(0), QStringLiteral("12000000000000"));   // code 7
    QVERIFY(!m_singles->isSelected(0));
    QVERIFY(!m_singles->isSelected(12344));
    QVERIFY(!m_ui->busy());
    QVERIFY(m_ui->busyChanges() >= 2);
}

void TestSinglesPageController::viewNeverShowsSinglesTheListNoLongerHolds()
{
    showList(singles(25));
    m_singles->movePage(2);
    m_list->clear();
    QCOMPARE(m_singles->Page(), 0);
    QCOMPARE(m_singles->pageText(), QStringLiteral("1／1"));
    QCOMPARE(numbers(), EmptyNumbers);
    QCOMPARE(m_sheetSurface->markedMarks(4), NoMarks);
    // A click on the emptied sheet adds to the list it shows, at its end.
    clickMark(4, 1, 0);
    QCOMPARE(m_list->codes(), QList<qint32>{0});
}

void TestSinglesPageController::lockedListTakesNoEdits()
{
    showList(singles(3));
    clickNumber(0);
    m_list->setLocked(true);
    clickMark(0, 2, 0);
    clickMark(5, 1, 0);
    m_singles->add();
    QVERIFY(m_singles->addEx(QStringLiteral("10200000000002")));
    m_singles->selectDelete();
    QVERIFY(m_ui->boxes().isEmpty());
    QVERIFY(m_log->lines.isEmpty());
    QCOMPARE(m_list->codes(), singles(3));
    m_list->setLocked(false);
    clickMark(0, 2, 0);
    QCOMPARE(m_list->codes().at(0), 2);
}

void TestSinglesPageController::storeRefusesIndexesOutsideTheList_data()
{
    QTest::addColumn<qint32>("index");
    QTest::addColumn<qint32>("code");
    QTest::newRow("negative index") << -1 << 0;
    QTest::newRow("one past the end") << 3 << 0;
    QTest::newRow("far beyond") << 1000000 << 0;
    QTest::newRow("no single code") << 0 << SingleCode::MaxCode + 1;
}

void TestSinglesPageController::storeRefusesIndexesOutsideTheList()
{
    QFETCH(qint32, index);
    QFETCH(qint32, code);
    showList(singles(3));
    const MarkCounts frame = m_list->frame();
    QVERIFY(!m_list->setAt(index, code));
    QCOMPARE(m_list->codes(), singles(3));
    QCOMPARE(m_list->frame(), frame);
    QVERIFY(m_log->lines.isEmpty());
}

void TestSinglesPageController::frameReachesTheCountTable()
{
    QList<qint32> list(10000, 0);
    for (int i = 0; i < 1234; ++i)
        list[i] = 1;
    m_list->replace(list);
    QCOMPARE(m_singles->frame()[1][0], 1234);
    QCOMPARE(m_singles->frame()[0][0], 8766);
    const CellGrid &grid = m_singles->countTable().grid();
    QCOMPARE(GridReadback::row(grid, 2, 1, 3), (QStringList{"   1234", "   8766", "       "}));
    m_singles->setSinglePercent(true);
    QVERIFY(m_singles->singlePercent());
    QCOMPARE(GridReadback::row(grid, 2, 1, 3), (QStringList{"    12%", "    88%", "       "}));
    QCOMPARE(m_countSurface->size(), QSize(3 * 61 + 1, 21 + 14 * 27 + 1));
}

QTEST_GUILESS_MAIN(TestSinglesPageController)
#include "TestSinglesPageController.moc"
