#include "common/RecordingUi.h"
#include "evaluation/ResultGrader.h"
#include "support/RuntimeError.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

namespace {

// A single's misses the slow way: one digit at a time.
int missesOf(qint32 code, const HitTable &hits)
{
    int misses = 0;
    for (int match = 0; match < 14; ++match, code /= 3)
        misses += hits[std::size_t(match)][std::size_t(code % 3)] == 0;
    return misses;
}

std::vector<qint32> everySingle()
{
    std::vector<qint32> codes(static_cast<std::size_t>(SingleCode::CodeCount));
    std::iota(codes.begin(), codes.end(), 0);
    return codes;
}

// The game state of a fully known round: outcome code per match, 3 for a cancelled match.
GameStateTable decided(const std::array<int, 14> &outcomes)
{
    GameStateTable state{};
    for (int match = 0; match < 14; ++match) {
        if (outcomes[std::size_t(match)] == 3)
            state[std::size_t(match)].fill(3);
        else
            state[std::size_t(match)][std::size_t(outcomes[std::size_t(match)])] = 1;
    }
    return state;
}

} // namespace

// The mark table of the check page and its grading.
class TestResultGrader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hitTable();
    void everySingleAgainstAFixedOutcome();
    void listsOfEveryLength_data();
    void listsOfEveryLength();
    void codeOfNoSingle();
};

void TestResultGrader::hitTable()
{
    GameStateTable state{};
    state[0] = {0, 1, 0};   // official home win
    state[1] = {2, 0, 0};   // "0" assumed
    state[2] = {3, 3, 3};   // cancelled
    state[3] = {0, 2, 2};   // two outcomes assumed
    const HitTable hits = ResultGrader::makeHitTable(state);
    QCOMPARE(hits[0], (std::array<quint8, 3>{0, 1, 0}));
    QCOMPARE(hits[1], (std::array<quint8, 3>{2, 0, 0}));
    QCOMPARE(hits[2], (std::array<quint8, 3>{3, 3, 3}));
    QCOMPARE(hits[3], (std::array<quint8, 3>{0, 2, 2}));
    for (int match = 4; match < 14; ++match)
        QCOMPARE(hits[std::size_t(match)], (std::array<quint8, 3>{4, 4, 4}));
}

void TestResultGrader::everySingleAgainstAFixedOutcome()
{
    const std::vector<qint32> codes = everySingle();
    ResultGrader grader;
    grader.resize(SingleCode::CodeCount);
    grader.decode(codes, 0, SingleCode::CodeCount);
    const HitTable hits = ResultGrader::makeHitTable(decided({1, 0, 2, 2, 1, 0, 0, 1, 2, 1, 1, 0, 2, 0}));
    const GradeCounts counts = grader.grade(hits);
    // m misses: choose the m matches, then one of the two wrong marks in each.
    qint64 binomial = 1;
    for (int misses = 0; misses <= 14; ++misses) {
        QCOMPARE(qint64(counts[std::size_t(misses)]), binomial << misses);
        binomial = binomial * (14 - misses) / (misses + 1);
    }
    QCOMPARE(ResultGrader::gradeCodes(codes, hits), counts);
    for (qint32 code = 0; code < SingleCode::CodeCount; code += 997)
        QCOMPARE(int(grader.gradeCode(code)), 1 + missesOf(code, hits));
    QCOMPARE(int(grader.gradeCode(SingleCode::MaxCode)), 1 + missesOf(SingleCode::MaxCode, hits));
    QCOMPARE(int(grader.mark(SingleCode::MaxCode, 13)), 2);
    QCOMPARE(int(grader.marksOfMatch(0)[4]), 1);
}

void TestResultGrader::listsOfEveryLength_data()
{
    QTest::addColumn<int>("count");
    for (const int count : {1, 15, 16, 17, 4095, 4096, 4097, 10001})
        QTest::addRow("%d singles", count) << count;
}

void TestResultGrader::listsOfEveryLength()
{
    QFETCH(int, count);
    QRandomGenerator random(qHash(count));
    std::vector<qint32> codes(static_cast<std::size_t>(count));
    for (qint32 &code : codes)
        code = qint32(random.bounded(SingleCode::CodeCount));
    ResultGrader grader;
    grader.resize(count);
    grader.decode(codes, 0, count);
    // Known, assumed, cancelled and open matches side by side.
    GameStateTable state{};
    for (int match = 0; match < 14; ++match)
        for (int outcome = 0; outcome < 3; ++outcome)
            state[std::size_t(match)][std::size_t(outcome)] = qint32(random.bounded(4)) * (random.bounded(3) == 0);
    const HitTable hits = ResultGrader::makeHitTable(state);
    const GradeCounts counts = grader.grade(hits);
    GradeCounts expected{};
    for (qint32 single = 0; single < count; ++single) {
        const int misses = missesOf(codes[std::size_t(single)], hits);
        QCOMPARE(int(grader.gradeCode(single)), 1 + misses);
        ++expected[std::size_t(misses)];
    }
    QCOMPARE(counts, expected);
    // Graded straight from the codes, the same counts.
    QCOMPARE(ResultGrader::gradeCodes(codes, hits), expected);
}

void TestResultGrader::codeOfNoSingle()
{
    ResultGrader grader;
    grader.resize(3);
    const std::vector<qint32> codes{SingleCode::MaxCode, SingleCode::CodeCount, 5};
    try {
        grader.decode(codes, 0, 3);
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::InvalidCall));
    }
    QCOMPARE(int(grader.mark(0, 13)), 2);   // decoded before the fault
    QCOMPARE(int(grader.mark(2, 0)), 0);    // never reached
    grader.clear();
    QCOMPARE(grader.count(), 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, ResultGrader::gradeCodes(codes, ResultGrader::makeHitTable({})));
    QCOMPARE(grader.grade(HitTable{}), GradeCounts{});
}

QTEST_GUILESS_MAIN(TestResultGrader)
#include "TestResultGrader.moc"
