// Prize estimates of grades 1, 2 and 3 for every possible single, with a vote
// record shaped like a real round; then every estimate checked against the
// formula written out term by term.

#include "../tests/common/EstimateReference.h"
#include "evaluation/PrizeEstimator.h"
#include "lottery/SingleCode.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

int main()
{
    const VoteData vote = EstimateReference::realisticVotes(1500, 2024);
    PrizeEstimator money;
    money.setVoteData(vote);

    std::vector<qint32> singles(SingleCode::CodeCount);
    std::iota(singles.begin(), singles.end(), 0);
    std::vector<std::vector<Money>> estimates(3, std::vector<Money>(singles.size()));

    // Processor time as well as wall time: the machine may be shared.
    const auto cpuMs = [](std::clock_t since) { return (long long)((std::clock() - since) * 1000 / CLOCKS_PER_SEC); };
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    for (int grade = 1; grade <= 3; ++grade) {
        QElapsedTimer gradeTimer;
        gradeTimer.start();
        const std::clock_t gradeCpu = std::clock();
        money.getMoneyList(grade, singles, estimates[grade - 1]);
        std::printf("grade %d estimates of %zu singles: %lld ms (processor %lld ms)\n", grade, singles.size(),
                    (long long)gradeTimer.elapsed(), cpuMs(gradeCpu));
    }
    const qint64 estimateMs = timer.elapsed();
    std::printf("all three estimates of every single: %lld ms (processor %lld ms; goal: under 500 ms)\n",
                (long long)estimateMs, cpuMs(cpuStart));

    timer.restart();
    const EstimateReference reference(vote);
    const SingleCode number;
    std::array<qint32, 14> marks{};
    qint64 differences = 0;
    qint64 atCeiling = 0;
    for (qint32 code : singles) {
        number.codeToInts(code, marks);
        for (int grade = 1; grade <= 3; ++grade) {
            const Money expected = reference.estimate(grade, marks);
            if (estimates[grade - 1][code] != expected && differences++ < 10)
                std::printf("DIFFERENT: single %d grade %d: %s, plain formula %s\n", code, grade,
                            qPrintable(estimates[grade - 1][code].toString()), qPrintable(expected.toString()));
        }
        atCeiling += estimates[0][code] == Money::fromWhole(PrizeEstimator::Ceiling);
    }
    const qint64 plainMs = timer.elapsed();
    std::printf("plain formula for every single: %lld ms; the estimates took %.3f of it\n", (long long)plainMs,
                double(estimateMs) / double(std::max<qint64>(plainMs, 1)));
    std::printf("singles whose grade-1 estimate is at the ceiling: %lld\n", (long long)atCeiling);
    std::printf("estimates different from the plain formula: %lld of %zu\n", (long long)differences,
                singles.size() * 3);
    return 0;
}
