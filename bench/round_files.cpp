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
    std::array<Mark, clsTNumber::MatchCount> kousei{};
    qint64 checksum = 0;
    qint32 mismatches = 0;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadSeconds();
    for (qint32 code = 0; code <= clsTNumber::MaxCode; ++code) {
        decode(code, kousei);
        qint32 back = -1;
        encode(kousei, back);
        checksum += kousei[13] + back;
        mismatches += back != code;
    }
    const double cpuNs = (threadSeconds() - cpuStart) * 1e9 / clsTNumber::CodeCount;
    const double wallNs = double(timer.nsecsElapsed()) / clsTNumber::CodeCount;
    std::printf("%-6s decode + encode: %6.2f ns per code on the processor, %6.2f ns elapsed"
                "  (%d codes, %d mismatches, checksum %lld)\n",
                form, cpuNs, wallNs, clsTNumber::CodeCount, mismatches, static_cast<long long>(checksum));
}

ResultData sampleResult(qint32 kaisaikai)
{
    ResultData result;
    result.Kaisaikai = kaisaikai;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        ResultGame &game = result.Game[std::size_t(match)];
        game.Outcome = quint8(match % 3);
        game.Home = QStringLiteral("ホーム%1").arg(match);
        game.Away = QStringLiteral("アウェイ%1").arg(match);
        game.HomeScore = quint8(match % 4);
        game.AwayScore = quint8(match % 2);
    }
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        result.Prize[std::size_t(grade)] = Money::fromWhole(1000000 / grade);
        result.Winners[std::size_t(grade)] = Money::fromWhole(grade * 1234);
    }
    result.CarryOver[1] = Money::fromWhole(600000000);
    result.SaleStart = OleDate::fromDate(QDate(2025, 2, 22));
    result.SaleEnd = OleDate::fromDate(QDate(2025, 3, 1));
    result.ResultDate = OleDate::fromDate(QDate(2025, 3, 3));
    result.RefundStart = OleDate::fromDate(QDate(2025, 3, 4));
    result.RefundEnd = OleDate::fromDate(QDate(2026, 3, 3));
    result.Sales = Money::fromWhole(2345678900);
    result.Units = Money::fromWhole(7818929);
    result.Sheets = Money::fromWhole(1234567);
    return result;
}

void benchResultFiles(int count)
{
    QTemporaryDir folder;
    AppFolder::setPath(folder.path());
    clsXmlResult xml;

    QElapsedTimer timer;
    timer.start();
    int saved = 0;
    for (int kaisaikai = 1; kaisaikai <= count; ++kaisaikai) {
        xml.setResult(sampleResult(kaisaikai));
        saved += xml.XmlSave(xml.GetFileName(kaisaikai, QString()));
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    int loaded = 0;
    for (int kaisaikai = 1; kaisaikai <= count; ++kaisaikai)
        loaded += xml.XmlLoad(xml.GetFileName(kaisaikai, QString())) && xml.Result().Kaisaikai == kaisaikai;
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
    vote.Kaisaikai = 1478;
    vote.VoteTime = OleDate::fromDateTime(QDate(2025, 3, 1), QTime(13, 50));
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        VoteGame &game = vote.Game[std::size_t(match)];
        game.Home = QStringLiteral("ホーム%1").arg(match);
        game.Away = QStringLiteral("アウェイ%1").arg(match);
        game.GameDate = OleDate::fromDate(QDate(2025, 3, 1));
        game.StartTime = OleDate::fromTime(QTime(14, 0));
        for (VoteShare &share : game.Votes)
            share = {Money::fromWhole(50000 + match), Money::fromRaw(333300 + match)};
    }
    clsXmlVote xml;
    xml.setVote(vote);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadSeconds();
    int read = 0;
    for (int i = 0; i < count; ++i)
        read += xml.SetXmlString(xml.GetXmlString());
    const double cpuSeconds = threadSeconds() - cpuStart;
    std::printf("vote text rendered and read in memory: %d of %d, %8.0f per second on the processor"
                " (%8.0f elapsed)\n",
                read, count, count / cpuSeconds, count / (timer.nsecsElapsed() / 1e9));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const clsTNumber number;
    benchCodes<quint8>(
        "byte", [&](qint32 code, auto &kousei) { number.NoToByte(code, kousei); },
        [&](const auto &kousei, qint32 &code) { number.ByteToNo(kousei, code); });
    benchCodes<qint32>(
        "32-bit", [&](qint32 code, auto &kousei) { number.NoToLong(code, kousei); },
        [&](const auto &kousei, qint32 &code) { number.LongToNo(kousei, code); });
    benchResultFiles(1000);
    benchVoteText(1000);
    return 0;
}
