#include "common/RecordingUi.h"
#include "lottery/SingleCode.h"
#include "singles/DuplicateSingles.h"
#include "singles/FrameCounter.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

// The operations that replace or recount the main window's list as a whole:
// duplicate removal with its two messages, and the single frame.
class TestWholeListOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removesLaterCopies_data();
    void removesLaterCopies();
    void tellsTheCountsBeforeAndAfter();
    void withoutCopiesTellsSoAndKeepsTheList_data();
    void withoutCopiesTellsSoAndKeepsTheList();
    void everySingleTwiceKeepsTheFirstOfEach();
    void frameCountsEveryMark();
    void frameOfTheFirstSinglesOnly_data();
    void frameOfTheFirstSinglesOnly();
    void frameMatchesDecodingEverySingle();
    void frameCountedOneAtATime();
};

namespace {

MarkCounts decodedFrame(const QList<qint32> &singles)
{
    SingleCode number;
    MarkCounts frame{};
    std::array<qint32, 14> marks{};
    for (const qint32 code : singles) {
        number.codeToInts(code, marks);
        for (int match = 0; match < 14; ++match)
            ++frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)];
    }
    return frame;
}

} // namespace

void TestWholeListOperations::removesLaterCopies_data()
{
    QTest::addColumn<QList<qint32>>("singles");
    QTest::addColumn<QList<qint32>>("kept");
    QTest::newRow("5 7 5 5 9") << QList<qint32>{5, 7, 5, 5, 9} << QList<qint32>{5, 7, 9};
    QTest::newRow("copies first") << QList<qint32>{9, 9, 9, 1} << QList<qint32>{9, 1};
    QTest::newRow("ends of the codes") << QList<qint32>{SingleCode::MaxCode, 0, 0, SingleCode::MaxCode}
                                       << QList<qint32>{SingleCode::MaxCode, 0};
    // Codes whose flags share a word and codes 64 apart.
    QTest::newRow("neighbours") << QList<qint32>{63, 64, 0, 63, 128, 64, 1}
                                << QList<qint32>{63, 64, 0, 128, 1};
    // Codes that are no single cannot be told apart by a flag; they stay.
    QTest::newRow("no singles kept") << QList<qint32>{-1, 3, -1, SingleCode::CodeCount, 3}
                                     << QList<qint32>{-1, 3, -1, SingleCode::CodeCount};
}

void TestWholeListOperations::removesLaterCopies()
{
    QFETCH(QList<qint32>, singles);
    QFETCH(QList<qint32>, kept);
    RecordingUi ui;
    QCOMPARE(DuplicateSingles::without(singles), kept);
    QVERIFY(ui.boxes().isEmpty());
    const auto removed = DuplicateSingles::remove(singles);
    QVERIFY(removed.has_value());
    QCOMPARE(*removed, kept);
}

void TestWholeListOperations::tellsTheCountsBeforeAndAfter()
{
    RecordingUi ui;
    DuplicateSingles::remove({5, 7, 5, 5, 9});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("重複したシングルを消去しました\r\nシングル総数：5 → 3"));

    ui.clear();
    QList<qint32> many(12345, 1);
    many.append(2);
    many.append(3);
    QCOMPARE(DuplicateSingles::remove(many)->size(), 3);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("重複したシングルを消去しました\r\nシングル総数：12,347 → 3"));
}

void TestWholeListOperations::withoutCopiesTellsSoAndKeepsTheList_data()
{
    QTest::addColumn<QList<qint32>>("singles");
    QTest::newRow("empty") << QList<qint32>{};
    QTest::newRow("one") << QList<qint32>{4};
    QTest::newRow("all different") << QList<qint32>{0, 1, 2, SingleCode::MaxCode};
}

void TestWholeListOperations::withoutCopiesTellsSoAndKeepsTheList()
{
    QFETCH(QList<qint32>, singles);
    RecordingUi ui;
    QVERIFY(!DuplicateSingles::remove(singles).has_value());
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("重複したシングルは存在しません"));
    // Nothing dropped: the same codes, not a copy of them.
    const QList<qint32> same = DuplicateSingles::without(singles);
    QCOMPARE(same, singles);
    QVERIFY(singles.isEmpty() || same.constData() == singles.constData());
}

void TestWholeListOperations::everySingleTwiceKeepsTheFirstOfEach()
{
    // 20,000 different singles, each twice, shuffled.
    QRandomGenerator random(1478);
    QList<qint32> different;
    for (qint32 code = 0; code < SingleCode::CodeCount && different.size() < 20000; code += 1 + qint32(random.bounded(400)))
        different.append(code);
    QList<qint32> singles = different + different;
    std::shuffle(singles.begin(), singles.end(), random);

    QList<qint32> expected;
    QSet<qint32> seen;
    for (const qint32 code : singles)
        if (!seen.contains(code)) {
            seen.insert(code);
            expected.append(code);
        }
    QCOMPARE(DuplicateSingles::without(singles), expected);
    QCOMPARE(expected.size(), different.size());
}

void TestWholeListOperations::frameCountsEveryMark()
{
    MarkCounts frame{};
    FrameCounter::getSingleFrame(3, QList<qint32>{0, 19, SingleCode::MaxCode}, frame);
    // Match 1: "0", "1", "2"; match 2: "0", "0", "2"; match 3: "0", "2", "2"; then "0", "0", "2".
    QCOMPARE(frame[0][0], 1);
    QCOMPARE(frame[1][0], 1);
    QCOMPARE(frame[2][0], 1);
    QCOMPARE(frame[0][1], 2);
    QCOMPARE(frame[2][2], 2);
    QCOMPARE(frame[0][13], 2);
    QCOMPARE(frame[2][13], 1);
    QCOMPARE(frame[1][13], 0);
    for (int match = 0; match < 14; ++match)
        QCOMPARE(frame[0][std::size_t(match)] + frame[1][std::size_t(match)] + frame[2][std::size_t(match)], 3);
}

void TestWholeListOperations::frameOfTheFirstSinglesOnly_data()
{
    QTest::addColumn<qint32>("count");
    QTest::addColumn<int>("counted");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("negative") << -4 << 0;
    QTest::newRow("two of three") << 2 << 2;
    QTest::newRow("more than the list") << 99 << 3;
}

void TestWholeListOperations::frameOfTheFirstSinglesOnly()
{
    QFETCH(qint32, count);
    QFETCH(int, counted);
    MarkCounts frame{};
    frame[1][1] = 77;   // replaced, not added to
    FrameCounter::getSingleFrame(count, QList<qint32>{2, 2, 1}, frame);
    QCOMPARE(frame[0][1], counted);
    QCOMPARE(frame[1][1], 0);
    QCOMPARE(frame[2][0], std::min(counted, 2));
}

void TestWholeListOperations::frameMatchesDecodingEverySingle()
{
    QRandomGenerator random(42);
    QList<qint32> singles;
    for (int i = 0; i < 5000; ++i)
        singles.append(qint32(random.bounded(SingleCode::CodeCount)));
    singles << 0 << SingleCode::MaxCode << 2391484;
    MarkCounts frame{};
    FrameCounter::getSingleFrame(qint32(singles.size()), singles, frame);
    QCOMPARE(frame, decodedFrame(singles));
    // A code that is no single is not counted.
    QList<qint32> withStrangers = singles;
    withStrangers << -1 << SingleCode::CodeCount;
    FrameCounter::getSingleFrame(qint32(withStrangers.size()), withStrangers, frame);
    QCOMPARE(frame, decodedFrame(singles));
}

void TestWholeListOperations::frameCountedOneAtATime()
{
    FrameCounter counter;
    QCOMPARE(counter.frame(), MarkCounts{});
    counter.add(19);
    counter.add(19);
    counter.add(-7);
    QCOMPARE(counter.frame(), decodedFrame({19, 19}));
}

QTEST_GUILESS_MAIN(TestWholeListOperations)
#include "TestWholeListOperations.moc"
