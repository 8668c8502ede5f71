#include "common/EstimateReference.h"
#include "common/RecordingUi.h"
#include "evaluation/PrizeEstimator.h"
#include "lottery/SingleCode.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <vector>

using Marks = std::array<qint32, 14>;
using Counts = std::array<qint64, 3>; // votes for marks 0, 1, 2

namespace {

VoteData votes(qint32 roundNumber, const Counts &everyMatch)
{
    return EstimateReference::sameVotesEverywhere(roundNumber, everyMatch);
}

Marks marks(qint32 code)
{
    Marks result{};
    SingleCode().codeToInts(code, result);
    return result;
}

Marks sameMark(qint32 mark)
{
    Marks result;
    result.fill(mark);
    return result;
}

std::array<qint64, 3> estimates(const PrizeEstimator &money, const Marks &single)
{
    return {money.getMoney1(single).wholeUnits(), money.getMoney2(single).wholeUnits(),
            money.getMoney3(single).wholeUnits()};
}

Money estimateOfGrade(const PrizeEstimator &money, int grade, const Marks &single)
{
    return grade == 1 ? money.getMoney1(single) : grade == 2 ? money.getMoney2(single) : money.getMoney3(single);
}

} // namespace

Q_DECLARE_METATYPE(Counts)
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(VoteData)

class TestPrizeEstimator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutVoteData();
    void examples_data();
    void examples();
    void sameAsThePlainFormula_data();
    void sameAsThePlainFormula();
    void listSameAsSingles();
    void wholeSpaceSameAsSingles_data();
    void wholeSpaceSameAsSingles();
    void badMarksAreReported_data();
    void badMarksAreReported();
    void badCodesInAListAreReportedOnce_data();
    void badCodesInAListAreReportedOnce();
    void absurdVoteTotalIsReported();
};

void TestPrizeEstimator::withoutVoteData()
{
    RecordingUi ui;
    PrizeEstimator money;
    QCOMPARE(estimates(money, sameMark(1)), (std::array<qint64, 3>{0, 0, 0}));
    // The record of a round without vote data, after one with it.
    money.setVoteData(votes(500, {25, 50, 25}));
    QVERIFY(money.getMoney1(sameMark(1)) > Money());
    money.setVoteData(VoteData());
    QCOMPARE(estimates(money, sameMark(1)), (std::array<qint64, 3>{0, 0, 0}));
    QCOMPARE(estimates(money, sameMark(0)), (std::array<qint64, 3>{0, 0, 0}));
    QVERIFY(ui.boxes().isEmpty());
}

void TestPrizeEstimator::examples_data()
{
    QTest::addColumn<qint32>("roundNumber");
    QTest::addColumn<int>("unvotedMatch"); // its mark "1" gets no votes
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<Marks>("single");
    QTest::addColumn<qint64>("grade1");
    QTest::addColumn<qint64>("grade2");
    QTest::addColumn<qint64>("grade3");

    // No votes at all: every outcome 33.3…%; 40 × 3^14 and 39 × 3^14 although
    // the quotient falls a hair below them.
    QTest::newRow("no votes 434") << 434 << 0 << Counts{0, 0, 0} << sameMark(1) << qint64(191318760)
                                  << qint64(854101) << qint64(32850);
    QTest::newRow("no votes 435") << 435 << 0 << Counts{0, 0, 0} << sameMark(2) << qint64(186535791)
                                  << qint64(854101) << qint64(26280);
    // Half the votes on the single's mark everywhere: 40 × 2^14, 5 × 2^14 ÷ 14,
    // 2.5 × 2^14 ÷ 91.
    QTest::newRow("50 % 434") << 434 << 0 << Counts{25, 50, 25} << sameMark(1) << qint64(655360) << qint64(5851)
                              << qint64(450);
    QTest::newRow("50 % 435") << 435 << 0 << Counts{25, 50, 25} << sameMark(1) << qint64(638976) << qint64(5851)
                              << qint64(360);
    // Every vote on the single's marks: nobody misses, so grades 2 and 3 have
    // no chance at all.
    QTest::newRow("100 %") << 1000 << 0 << Counts{0, 100, 0} << sameMark(1) << qint64(39) << qint64(0) << qint64(0);
    // 1 % on every mark of the single: 39 × 10^28 yen, far above the ceiling.
    QTest::newRow("ceiling") << 600 << 0 << Counts{1, 1, 98} << sameMark(0) << qint64(99999999999)
                             << qint64(99999999999) << qint64(99999999999);
    // No votes on the single's mark in match 5: no grade-1 chance, but grades
    // 2 and 3 go on through the terms in which match 5 is missed:
    // 5 × 10^28 ÷ (100 × 50^13) and 2 × 10^28 ÷ (13 × 100 × 50^13).
    QTest::newRow("no votes on the mark") << 500 << 5 << Counts{25, 50, 25} << sameMark(1) << qint64(0)
                                          << qint64(40960) << qint64(1260);
}

void TestPrizeEstimator::examples()
{
    QFETCH(qint32, roundNumber);
    QFETCH(int, unvotedMatch);
    QFETCH(Counts, counts);
    QFETCH(Marks, single);
    QFETCH(qint64, grade1);
    QFETCH(qint64, grade2);
    QFETCH(qint64, grade3);
    PrizeEstimator money;
    VoteData vote = votes(roundNumber, counts);
    if (unvotedMatch != 0)
        vote.game[unvotedMatch].votes[1].count = Money();
    money.setVoteData(vote);
    QCOMPARE(estimates(money, single), (std::array<qint64, 3>{grade1, grade2, grade3}));
    const EstimateReference reference(vote);
    QCOMPARE(money.getMoney3(single), reference.estimate(3, single));
}

void TestPrizeEstimator::sameAsThePlainFormula_data()
{
    QTest::addColumn<VoteData>("vote");
    QTest::newRow("round 434") << EstimateReference::realisticVotes(434, 1);
    QTest::newRow("round 1500") << EstimateReference::realisticVotes(1500, 2);

    // One match with every vote on the single's mark, the others at 50 %.
    VoteData sure = votes(400, {25, 50, 25});
    sure.game[7].votes = {VoteShare{Money(), Money()}, VoteShare{Money::fromWhole(300), Money()},
                          VoteShare{Money(), Money()}};
    QTest::newRow("one sure match") << sure;

    // One match where the single's mark has no votes.
    VoteData none = EstimateReference::realisticVotes(700, 3);
    none.game[3].votes[1].count = Money();
    QTest::newRow("one unvoted mark") << none;
}

// Random singles and the extremes against the formula written term by term.
void TestPrizeEstimator::sameAsThePlainFormula()
{
    QFETCH(VoteData, vote);
    PrizeEstimator money;
    money.setVoteData(vote);
    const EstimateReference reference(vote);
    QRandomGenerator random(vote.roundNumber);
    std::vector<qint32> codes{0, SingleCode::MaxCode, 2391484};
    for (int n = 0; n < 5000; ++n)
        codes.push_back(qint32(random.bounded(quint32(SingleCode::CodeCount))));
    for (qint32 code : codes) {
        const Marks single = marks(code);
        QCOMPARE(money.getMoney1(single), reference.estimate(1, single));
        QCOMPARE(money.getMoney2(single), reference.estimate(2, single));
        QCOMPARE(money.getMoney3(single), reference.estimate(3, single));
    }
}

void TestPrizeEstimator::listSameAsSingles()
{
    PrizeEstimator money;
    money.setVoteData(EstimateReference::realisticVotes(600, 9));
    QRandomGenerator random(600);
    std::vector<qint32> codes;
    for (int n = 0; n < 2003; ++n) // not a whole number of batches
        codes.push_back(qint32(random.bounded(quint32(SingleCode::CodeCount))));
    for (int grade = 1; grade <= 3; ++grade) {
        std::vector<Money> list(codes.size());
        money.getMoneyList(grade, codes, list);
        for (size_t i = 0; i < codes.size(); ++i) {
            QCOMPARE(list[i], estimateOfGrade(money, grade, marks(codes[i])));
        }
    }
}

void TestPrizeEstimator::wholeSpaceSameAsSingles_data()
{
    QTest::addColumn<int>("grade");
    QTest::newRow("grade 1") << 1;
    QTest::newRow("grade 2") << 2;
    QTest::newRow("grade 3") << 3;
}

// Long lists are estimated along the tree of the whole space: the space in
// code order straight into the list, any other long list through a table.
// Both against the singles worked one at a time.
void TestPrizeEstimator::wholeSpaceSameAsSingles()
{
    QFETCH(int, grade);
    RecordingUi ui;
    PrizeEstimator money;
    money.setVoteData(EstimateReference::realisticVotes(1200, 77));
    std::vector<qint32> inCodeOrder(SingleCode::CodeCount);
    std::iota(inCodeOrder.begin(), inCodeOrder.end(), 0);
    const std::vector<qint32> reversed(inCodeOrder.rbegin(), inCodeOrder.rend());
    std::vector<Money> forward(inCodeOrder.size());
    std::vector<Money> backward(reversed.size());
    money.getMoneyList(grade, inCodeOrder, forward);
    money.getMoneyList(grade, reversed, backward);
    QVERIFY(std::equal(forward.begin(), forward.end(), backward.rbegin()));

    QRandomGenerator random{quint32(grade)};
    for (int n = 0; n < 20000; ++n) {
        const qint32 code = qint32(random.bounded(quint32(SingleCode::CodeCount)));
        QCOMPARE(forward[size_t(code)], estimateOfGrade(money, grade, marks(code)));
    }
    QVERIFY(ui.boxes().isEmpty());
}

void TestPrizeEstimator::badMarksAreReported_data()
{
    QTest::addColumn<Marks>("single");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("13 entries") << sameMark(1) << qsizetype(13);
    Marks three = sameMark(1);
    three[13] = 3;
    QTest::newRow("mark 3") << three << qsizetype(14);
    Marks negative = sameMark(2);
    negative[0] = -1;
    QTest::newRow("mark -1") << negative << qsizetype(14);
}

void TestPrizeEstimator::badMarksAreReported()
{
    QFETCH(Marks, single);
    QFETCH(qsizetype, size);
    RecordingUi ui;
    PrizeEstimator money;
    money.setVoteData(votes(500, {25, 50, 25}));
    const std::span<const qint32> entries(single.data(), size);
    QCOMPARE(money.getMoney1(entries), Money());
    QCOMPARE(money.getMoney2(entries), Money());
    QCOMPARE(money.getMoney3(entries), Money());
    QCOMPARE(ui.boxes().size(), 3);
    for (int grade = 1; grade <= 3; ++grade) {
        const RecordingUi::Box &box = ui.boxes()[grade - 1];
        QCOMPARE(box.icon, Ui::Icon::Error);
        QVERIFY(box.title.endsWith(QStringLiteral(" / clsTMoney / GetMoney") + QString::number(grade)));
        QVERIFY(box.text.endsWith(QStringLiteral(" ( 9 )")));
    }
}

void TestPrizeEstimator::badCodesInAListAreReportedOnce_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::newRow("worked singly") << qsizetype(4);
    QTest::newRow("worked along the tree") << qsizetype(SingleCode::CodeCount / 2);
}

void TestPrizeEstimator::badCodesInAListAreReportedOnce()
{
    QFETCH(qsizetype, length);
    RecordingUi ui;
    PrizeEstimator money;
    money.setVoteData(EstimateReference::realisticVotes(800, 4));
    std::vector<qint32> codes(size_t(length), 19);
    codes[1] = -1;
    codes[2] = SingleCode::CodeCount;
    codes.back() = 2391484;
    std::vector<Money> list(codes.size());
    money.getMoneyList(2, codes, list);
    QCOMPARE(ui.boxes().size(), 1);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsTMoney / GetMoney2")));
    QCOMPARE(list[0], money.getMoney2(marks(19)));
    QVERIFY(list[0] > Money());
    QCOMPARE(list[1], Money());
    QCOMPARE(list[2], Money());
    QCOMPARE(list.back(), money.getMoney2(marks(2391484)));
}

// The votes of a match are totalled as a 32-bit count; a total beyond it
// cannot come from a real round: reported, and no estimates from it.
void TestPrizeEstimator::absurdVoteTotalIsReported()
{
    RecordingUi ui;
    PrizeEstimator money;
    money.setVoteData(votes(500, {25, 50, 25}));
    QCOMPARE(money.getMoney1(sameMark(1)).wholeUnits(), qint64(638976));
    money.setVoteData(votes(500, {2'000'000'000, 2'000'000'000, 1}));
    QCOMPARE(ui.boxes().size(), 1);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsTMoney / SetVoteData")));
    QVERIFY(ui.boxes()[0].text.endsWith(QStringLiteral(" ( 6 )")));
    QCOMPARE(estimates(money, sameMark(1)), (std::array<qint64, 3>{0, 0, 0}));
}

QTEST_GUILESS_MAIN(TestPrizeEstimator)
#include "TestPrizeEstimator.moc"
