// Figures for the single code conversions and the round result files:
// decoding and re-encoding every single code in both forms, and writing and
// reading back 1,000 result files.

#include "rounddata/ResultFile.h"
#include "rounddata/VoteFile.h"
#include "lottery/SingleCode.h"
#include "support/AppFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <ctime>

namespace {

// Time this thread spent on a processor: the machine may be shared, and
// waiting for a core is no part of what the conversions cost.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

template<typename Mark, typename Decode, typename Encode>
void benchCodes(const char *form, Decode decode, Encode encode)
{
    std::array<Mark, SingleCode::MatchCount> marks{};
    qint64 checksum = 0;
    qint32 mismatches = 0;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadSeconds();
    for (qint32 code = 0; code <= SingleCode::MaxCode; ++code) {
        decode(code, marks);
        qint32 back = -1;
        encode(marks, back);
        checksum += marks[13] + back;
        mismatches += back != code;
    }
    const double cpuNs = (threadSeconds() - cpuStart) * 1e9 / SingleCode::CodeCount;
    const double wallNs = double(timer.nsecsElapsed()) / SingleCode::CodeCount;
    std::printf("%-6s decode + encode: %6.2f ns per code on the processor, %6.2f ns elapsed"
                "  (%d codes, %d mismatches, checksum %lld)\n",
                form, cpuNs, wallNs, SingleCode::CodeCount, mismatches, static_cast<long long>(checksum));
}

ResultData sampleResult(qint32 roundNumber)
{
    ResultData result;
    result.roundNumber = roundNumber;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = result.game[std::size_t(match)];
        game.Outcome = quint8(match % 3);
        game.home = QStringLiteral("ホーム%1").arg(match);
        game.away = QStringLiteral("アウェイ%1").arg(match);
        game.homeScore = quint8(match % 4);
        game.awayScore = quint8(match % 2);
    }
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        result.prize[std::size_t(grade)] = Money::fromWhole(1000000 / grade);
        result.winners[std::size_t(grade)] = Money::fromWhole(grade * 1234);
    }
    result.carryOver[1] = Money::fromWhole(600000000);
    result.saleStart = OleDate::fromDate(QDate(2025, 2, 22));
    result.saleEnd = OleDate::fromDate(QDate(2025, 3, 1));
    result.resultDate = OleDate::fromDate(QDate(2025, 3, 3));
    result.refundStart = OleDate::fromDate(QDate(2025, 3, 4));
    result.refundEnd = OleDate::fromDate(QDate(2026, 3, 3));
    result.sales = Money::fromWhole(2345678900);
    result.units = Money::fromWhole(7818929);
    result.sheets = Money::fromWhole(1234567);
    return result;
}

void benchResultFiles(int count)
{
    QTemporaryDir folder;
    AppFolder::setPath(folder.path());
    ResultFile xml;

    QElapsedTimer timer;
    timer.start();
    int saved = 0;
    for (int roundNumber = 1; roundNumber <= count; ++roundNumber) {
        xml.setResult(sampleResult(roundNumber));
        saved += xml.xmlSave(xml.getFileName(roundNumber, QString()));
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    int loaded = 0;
    for (int roundNumber = 1; roundNumber <= count; ++roundNumber)
        loaded += xml.xmlLoad(xml.getFileName(roundNumber, QString())) && xml.result().roundNumber == roundNumber;
    const double readSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("result files written: %d of %d, %8.0f files per second\n", saved, count, count / writeSeconds);
    std::printf("result files read:    %d of %d, %8.0f files per second\n", loaded, count, count / readSeconds);
    AppFolder::setPath(QString());
}

// The same text work without the disk: a vote record rendered and read back
// in memory. Saving replaces each file durably, so the written figure above
// is mostly the wait for the disk.
void benchVoteText(int count)
{
    VoteData vote;
    vote.roundNumber = 1478;
    vote.voteTime = OleDate::fromDateTime(QDate(2025, 3, 1), QTime(13, 50));
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        VoteGame &game = vote.game[std::size_t(match)];
        game.home = QStringLiteral("ホーム%1").arg(match);
        game.away = QStringLiteral("アウェイ%1").arg(match);
        game.gameDate = OleDate::fromDate(QDate(2025, 3, 1));
        game.startTime = OleDate::fromTime(QTime(14, 0));
        for (VoteShare &share : game.votes)
            share = {Money::fromWhole(50000 + match), Money::fromRaw(333300 + match)};
    }
    VoteFile xml;
    xml.setVote(vote);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadSeconds();
    int read = 0;
    for (int i = 0; i < count; ++i)
        read += xml.setXmlString(xml.getXmlString());
    const double cpuSeconds = threadSeconds() - cpuStart;
    std::printf("vote text rendered and read in memory: %d of %d, %8.0f per second on the processor"
                " (%8.0f elapsed)\n",
                read, count, count / cpuSeconds, count / (timer.nsecsElapsed() / 1e9));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const SingleCode number;
    benchCodes<quint8>(
        "byte", [&](qint32 code, auto &marks) { number.codeToBytes(code, marks); },
        [&](const auto &marks, qint32 &code) { number.bytesToCode(marks, code); });
    benchCodes<qint32>(
        "32-bit", [&](qint32 code, auto &marks) { number.codeToInts(code, marks); },
        [&](const auto &marks, qint32 &code) { number.intsToCode(marks, code); });
    benchResultFiles(1000);
    benchVoteText(1000);
    return 0;
}
