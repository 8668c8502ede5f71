#include "../evaluation/ResultPage.h"

#include "common/FakeClipboard.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "evaluation/PrizeEstimator.h"
#include "lottery/MarkTally.h"
#include "lottery/SingleCode.h"
#include "rounddata/ResultFile.h"
#include "rounddata/VoteFile.h"
#include "singles/DuplicateSingles.h"
#include "singles/PopularityRanks.h"
#include "singles/ClipboardImport.h"
#include "singles/ClipboardExport.h"
#include "singles/SinglesCsvFile.h"
#include "singles/SingleSorter.h"

#include <QFileInfo>
#include <QTest>

#include <numeric>
#include <span>
#include <vector>

// Every one of the 4,782,969 singles through the program's own path: the
// CSV file written and loaded, graded against a round's result, sorted by
// every key, a doubled list cleared of its copies, and the first 10,000
// copied to the clipboard as text and taken back.
class TestWholeSpace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void csvFileWrittenAndLoaded();
    void gradedAgainstTheResult();
    void sortedByEveryKey_data();
    void sortedByEveryKey();
    void doubledListLosesItsCopies();
    void firstTenThousandThroughTheClipboard();

private:
    std::vector<qint32> m_all;   // every code in order
};

namespace {

constexpr qint32 everySingle = SingleCode::CodeCount;
constexpr qint64 lineBytes = 29;   // 14 digits, 13 commas, CR LF

template<typename T>
T fixtureRecord(const QString &file, bool (T::*load)(const QString &))
{
    T xml;
    (xml.*load)(TestFiles::fixturePath(file));
    return xml;
}

ResultData result1478()
{
    return fixtureRecord(QStringLiteral("official/expected/big_result_1478.xml"), &ResultFile::xmlLoad).result();
}

VoteData vote1478()
{
    return fixtureRecord(QStringLiteral("official/expected/big_vote_1478.xml"), &VoteFile::xmlLoad).vote();
}

qint64 choose(int n, int k)
{
    qint64 value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

// Whether the list holds every single exactly once.
bool holdsEverySingleOnce(std::span<const qint32> singles)
{
    if (qint64(singles.size()) != everySingle)
        return false;
    std::vector<bool> seen(static_cast<std::size_t>(everySingle));
    for (const qint32 code : singles) {
        if (!SingleCode::isValidCode(code) || seen[std::size_t(code)])
            return false;
        seen[std::size_t(code)] = true;
    }
    return true;
}

// The key of each single in list order, as the sort computes it.
std::vector<qint64> keysOf(std::span<const qint32> singles, const QString &by, int type)
{
    std::vector<qint64> keys(singles.size());
    if (by == QStringLiteral("money")) {
        PrizeEstimator money;
        money.setVoteData(vote1478());
        std::vector<Money> estimates(singles.size());
        money.getMoneyList(type + 1, singles, estimates);
        std::transform(estimates.begin(), estimates.end(), keys.begin(), [](Money m) { return m.raw(); });
        return keys;
    }
    constexpr std::array<int, 3> markOfType{1, 0, 2};
    PopularityRanks ranks;
    ranks.setVoteData(vote1478());
    SingleCode number;
    PopularityRanks::MatchMarks marks{};
    for (std::size_t i = 0; i < singles.size(); ++i) {
        number.codeToInts(singles[i], marks);
        keys[i] = by == QStringLiteral("mark") ? markTally(marks)[std::size_t(markOfType[std::size_t(type)])]
                                                : ranks.countByRank(marks)[std::size_t(type)];
    }
    return keys;
}

} // namespace

void TestWholeSpace::initTestCase()
{
    m_all.resize(std::size_t(everySingle));
    std::iota(m_all.begin(), m_all.end(), 0);
}

void TestWholeSpace::csvFileWrittenAndLoaded()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    RecordingUi ui;
    SinglesCsvFile csv;
    QVERIFY(csv.csvSave(QStringLiteral("UserData\\QUDO\\A-1478.csv"), m_all));
    QCOMPARE(QFileInfo(app.filePath(QStringLiteral("UserData/QUDO/A-1478.csv"))).size(), everySingle * lineBytes);

    qint32 count = 0;
    std::vector<qint32> loaded;
    QVERIFY(csv.csvLoad(QStringLiteral("UserData\\QUDO\\A-1478.csv"), count, loaded));
    QCOMPARE(count, everySingle);
    QVERIFY(loaded == m_all);
    QVERIFY(ui.boxes().isEmpty());
}

void TestWholeSpace::gradedAgainstTheResult()
{
    RecordingUi ui;
    ResultPage page;
    page.result.setResultData(1478, QString(), result1478(), true);
    page.setSingles(m_all);
    QCOMPARE(page.result.singleCount(), everySingle);
    // A single with m misses: which m of the 14 matches, and one of the two
    // other marks at each.
    const GradeCounts &counts = page.result.counts();
    for (int misses = 0; misses <= 14; ++misses)
        QCOMPARE(qint64(counts[std::size_t(misses)]), choose(14, misses) << misses);
}

void TestWholeSpace::sortedByEveryKey_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("ascending");
    for (const char *by : {"money", "mark", "ninki"}) {
        for (int type = 0; type < 3; ++type)
            QTest::addRow("%s %d", by, type) << QString::fromLatin1(by) << type << (type != 1);
    }
}

void TestWholeSpace::sortedByEveryKey()
{
    QFETCH(QString, by);
    QFETCH(int, type);
    QFETCH(bool, ascending);
    RecordingUi ui;
    SingleSorter sort;
    sort.setVoteData(vote1478());
    std::vector<qint32> singles = m_all;
    if (by == QStringLiteral("money"))
        sort.moneySort(singles, type, ascending);
    else if (by == QStringLiteral("mark"))
        sort.markSort(singles, type, ascending);
    else
        sort.popularitySort(singles, type, ascending);
    QVERIFY(holdsEverySingleOnce(singles));
    const std::vector<qint64> keys = keysOf(singles, by, type);
    QVERIFY(ascending ? std::is_sorted(keys.begin(), keys.end()) : std::is_sorted(keys.rbegin(), keys.rend()));
    QVERIFY(keys.front() != keys.back());
    QVERIFY(ui.boxes().isEmpty());
}

void TestWholeSpace::doubledListLosesItsCopies()
{
    RecordingUi ui;
    QList<qint32> doubled(m_all.begin(), m_all.end());
    doubled.append(doubled);
    QCOMPARE(doubled.size(), 2 * qsizetype(everySingle));
    const std::optional<QList<qint32>> kept = DuplicateSingles::remove(doubled);
    QVERIFY(kept.has_value());
    QCOMPARE(kept->size(), qsizetype(everySingle));
    QVERIFY(std::equal(kept->begin(), kept->end(), m_all.begin(), m_all.end()));
    QCOMPARE(ui.boxes().size(), 1);
}

void TestWholeSpace::firstTenThousandThroughTheClipboard()
{
    RecordingUi ui;
    FakeClipboard clipboard;
    const std::span<const qint32> first(m_all.data(), std::size_t(ClipboardExport::MaxSingles));
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, first);
    QCOMPARE(clipboard.held().count(QStringLiteral("\r\n")), ClipboardExport::MaxSingles);

    qint32 count = 0;
    std::vector<qint32> imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, count, imported);
    QCOMPARE(count, qint32(ClipboardExport::MaxSingles));
    QVERIFY(std::equal(imported.begin(), imported.end(), first.begin(), first.end()));

    // One more is refused whole.
    clipboard.copy(QString());
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, std::span(m_all.data(), first.size() + 1));
    QVERIFY(clipboard.held().isEmpty());
}

QTEST_GUILESS_MAIN(TestWholeSpace)
#include "TestWholeSpace.moc"
