// The 収支履歴 of 300 singles files of 10,000 singles each (3,000,000 in all),
// each round with its result file: listing, reading, grading and totalling
// them, against plainly loading the same files with the CSV reader, from one
// run. The goal: the 収支履歴 takes at most 1.5 times the plain loads.
//
//     bench_history_scan [runs]

#include "history/HistoryFiles.h"
#include "history/HistoryReport.h"
#include "lottery/SingleCode.h"
#include "lottery/LotteryRules.h"
#include "rounddata/ResultFile.h"
#include "singles/SinglesCsvFile.h"
#include "support/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Files = 300;
constexpr int SinglesPerFile = 10000;
constexpr int FirstRound = 1180;

ResultData resultOf(int round, QRandomGenerator &random)
{
    ResultData result;
    result.roundNumber = round;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = result.game[std::size_t(match)];
        game.home = QStringLiteral("ホーム");
        game.away = QStringLiteral("アウェイ");
        game.Outcome = quint8(random.bounded(match == 7 && round % 10 == 0 ? 4 : 3));
    }
    for (int grade = 1; grade <= LotteryRules::getMaxGrade(round); ++grade)
        result.prize[std::size_t(grade)] = Money::fromWhole(600000000 >> (3 * grade));
    result.refundStart = result.refundEnd = OleDate(45000);
    result.sales = result.units = result.sheets = Money::fromWhole(1);
    return result;
}

void writeSeason(const QString &folder)
{
    QRandomGenerator random(1478);
    SinglesCsvFile csv;
    ResultFile xml;
    std::vector<qint32> singles(SinglesPerFile);
    for (int i = 0; i < Files; ++i) {
        const int round = FirstRound + i;
        for (qint32 &single : singles)
            single = qint32(random.bounded(SingleCode::CodeCount));
        csv.csvSave(folder + QStringLiteral("/") + SinglesCsvFile::getCsvFileName(round, QString()), singles);
        xml.setResult(resultOf(round, random));
        xml.xmlSave(xml.getFileName(round, QString()));
    }
}

double plainLoads(const QList<HistoryFile> &files, qint64 &singles)
{
    QElapsedTimer timer;
    timer.start();
    singles = 0;
    SinglesCsvFile csv;
    for (const HistoryFile &file : files) {
        qint32 count = 0;
        std::vector<qint32> list;
        csv.csvLoad(file.path, count, list);
        singles += count;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double history(const QString &folder, qint64 &singles, qint64 &balance)
{
    QElapsedTimer timer;
    timer.start();
    const QList<HistoryRow> rows = HistoryReport::build(HistoryFiles::find({folder}));
    const HistoryTotals totals = HistoryReport::totals(rows);
    singles = totals.singles;
    balance = totals.balance.roundedWholeUnits();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    QTemporaryDir root;
    AppFolder::setPath(root.path());
    const QString folder = root.filePath(QStringLiteral("UserData/QUDO"));
    QDir().mkpath(folder);
    std::printf("writing %d files of %d singles and their results...\n", Files, SinglesPerFile);
    writeSeason(folder);
    const QList<HistoryFile> files = HistoryFiles::find({folder});

    qint64 loaded = 0;
    qint64 graded = 0;
    qint64 balance = 0;
    plainLoads(files, loaded);   // the files in the page cache for both
    std::vector<double> plain;
    std::vector<double> scanned;
    for (int run = 0; run < runs; ++run) {
        plain.push_back(plainLoads(files, loaded));
        scanned.push_back(history(folder, graded, balance));
        std::printf("run %d: CSV reader %8.1f ms   収支履歴 %8.1f ms   ratio %.2f\n", run + 1, plain.back(),
                    scanned.back(), scanned.back() / plain.back());
    }
    std::printf("singles: loaded %lld, graded %lld; balance %lld yen\n", static_cast<long long>(loaded),
                static_cast<long long>(graded), static_cast<long long>(balance));
    std::printf("median of %d runs: CSV reader %.1f ms, 収支履歴 %.1f ms, ratio %.2f (goal at most 1.50)\n", runs,
                median(plain), median(scanned), median(scanned) / median(plain));
    AppFolder::setPath(QString());
    return 0;
}
