#include "evaluation/PrizeEstimator.h"

#include "evaluation/HitChanceTree.h"
#include "lottery/SingleCode.h"
#include "lottery/LotteryRules.h"
#include "support/Convert.h"
#include "support/LargeTableAllocator.h"
#include "support/RuntimeError.h"
#include "support/TwoThreads.h"

#include <algorithm>
#include <atomic>

namespace {

constexpr int Matches = PrizeEstimator::MatchCount;

// A product of 14 percentages times this is a product of 14 fractions.
constexpr double PercentProductScale = 1e28; // 100^14

Money hundredths(qint64 value)
{
    return Money::fromRaw(value * Money::Scale / 100);
}

// Pool slice per ticket of grades 1 to 3: fixed parts of 100 × 0.5 yen,
// exact in money arithmetic.
std::array<double, 3> numerators(qint32 roundNumber)
{
    const Money base = Money::fromWhole(100) * hundredths(50);
    const bool newRules = LotteryRules::hasFifthGradeShares(roundNumber);
    const std::array<Money, 3> parts{hundredths(newRules ? 78 : 80), hundredths(10),
                                     hundredths(newRules ? 4 : 5)};
    std::array<double, 3> result{};
    for (size_t grade = 0; grade < parts.size(); ++grade)
        result[grade] = (parts[grade] * base).toDouble() * PercentProductScale;
    return result;
}

// The chance, in products of 14 percentages, of matching a single in all 14
// matches, in exactly 13 or in exactly 12, for Lanes singles at once: each
// lane runs the same double operations in the same order, so every lane is
// exactly the plain formula of its own single.
//
// The plain formula sums, over the missed matches (none; i; i < j, i then j
// ascending), the product of the 14 per-match factors from match 1 to 14:
// the miss share at a missed match, the hit share elsewhere. Here the product
// of the factors before a missed match is carried along instead of being
// multiplied again for every term; each term still multiplies its factors
// one by one from match 1 to 14, so the rounding is the same.
template<int Lanes>
struct HitChance
{
    // Lane by lane arithmetic on Lanes doubles, unrolled so that a running
    // product stays in registers.
    struct Lane
    {
        std::array<double, Lanes> v{};

        Lane &operator*=(const Lane &other)
        {
#pragma GCC unroll 32
            for (int l = 0; l < Lanes; ++l)
                v[l] *= other.v[l];
            return *this;
        }
        Lane &operator+=(const Lane &other)
        {
#pragma GCC unroll 32
            for (int l = 0; l < Lanes; ++l)
                v[l] += other.v[l];
            return *this;
        }
        Lane operator*(const Lane &other) const
        {
            Lane product = *this;
            return product *= other;
        }
        double &operator[](int l) { return v[l]; }
        double operator[](int l) const { return v[l]; }
    };

    Lane hit[Matches];  // share of the single's mark, by match
    Lane miss[Matches]; // 100 − that share

    // The running product times the factors of the matches from `from` on.
    void hitFrom(int from, Lane &product) const
    {
        for (int k = from; k < Matches; ++k)
            product *= hit[k];
    }

    Lane allHit() const
    {
        Lane product = hit[0];
        hitFrom(1, product);
        return product;
    }

    Lane oneMissed() const
    {
        Lane sum{};
        Lane hitBefore{}; // matches before i all hit
        for (int i = 0; i < Matches; ++i) {
            Lane term = i == 0 ? miss[0] : hitBefore * miss[i];
            hitFrom(i + 1, term);
            sum += term;
            hitBefore = i == 0 ? hit[0] : hitBefore * hit[i];
        }
        return sum;
    }

    Lane twoMissed() const
    {
        Lane sum{};
        Lane hitBefore{}; // matches before i all hit
        for (int i = 0; i < Matches; ++i) {
            Lane missedI = i == 0 ? miss[0] : hitBefore * miss[i]; // up to j − 1
            for (int j = i + 1; j < Matches; ++j) {
                Lane term = missedI * miss[j];
                hitFrom(j + 1, term);
                sum += term;
                missedI *= hit[j];
            }
            hitBefore = i == 0 ? hit[0] : hitBefore * hit[i];
        }
        return sum;
    }

    Lane forGrade(int grade) const
    {
        switch (grade) {
        case 1: return allHit();
        case 2: return oneMissed();
        default: return twoMissed();
        }
    }
};

QString procedureName(int grade)
{
    return QStringLiteral("GetMoney") + QString::number(grade);
}

} // namespace

PrizeEstimator::PrizeEstimator()
{
    clearVoteData();
}

void PrizeEstimator::clearVoteData()
{
    m_numerator = numerators(0);
    for (auto &match : m_share)
        match.fill(0.0);
    for (auto &match : m_miss)
        match.fill(100.0);
}

void PrizeEstimator::setVoteData(const VoteData &vote)
{
    const bool ok = m_err.guard(QStringLiteral("SetVoteData"), false, [&] {
        MarkTable share{};
        for (int match = 0; match < Matches; ++match) {
            const auto &votes = vote.game[match + 1].votes;
            // The total is kept as a 32-bit count: an absurd one is refused.
            qint32 total = 0;
            for (const VoteShare &mark : votes)
                total = Convert::roundToLong(double(total) + mark.count.toDouble());
            for (size_t mark = 0; mark < votes.size(); ++mark) {
                if (total != 0)
                    share[match][mark] = votes[mark].count.toDouble() / total * 100;
                else
                    share[match][mark] = vote.roundNumber != 0 ? 100.0 / 3 : 0.0;
            }
        }
        m_numerator = numerators(vote.roundNumber);
        m_share = share;
        for (int match = 0; match < Matches; ++match)
            for (size_t mark = 0; mark < share[match].size(); ++mark)
                m_miss[match][mark] = 100 - share[match][mark];
        return true;
    });
    // Estimates of a record that cannot be read would belong to another round.
    if (!ok)
        clearVoteData();
}

Money PrizeEstimator::getMoney1(std::span<const qint32> marks) const
{
    return getMoney(1, marks);
}

Money PrizeEstimator::getMoney2(std::span<const qint32> marks) const
{
    return getMoney(2, marks);
}

Money PrizeEstimator::getMoney3(std::span<const qint32> marks) const
{
    return getMoney(3, marks);
}

Money PrizeEstimator::getMoney(int grade, std::span<const qint32> marks) const
{
    return m_err.guard(procedureName(grade), Money(), [&] {
        if (marks.size() < size_t(Matches))
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        HitChance<1> chance;
        for (int match = 0; match < Matches; ++match) {
            const qint32 mark = marks[match];
            if (mark < 0 || mark > 2)
                throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
            chance.hit[match][0] = m_share[match][mark];
            chance.miss[match][0] = m_miss[match][mark];
        }
        return toEstimate(grade, chance.forGrade(grade)[0]);
    });
}

Money PrizeEstimator::toEstimate(int grade, double hitChance) const
{
    const double estimate = hitChance > 0 ? m_numerator[grade - 1] / hitChance : 0.0;
    if (estimate > double(Ceiling))
        return Money::fromWhole(Ceiling);
    // To the money type first (four decimals), then whole yen: a quotient a
    // hair below a whole number of yen is that number.
    return Money::fromWhole(Money::fromDouble(estimate).wholeUnits());
}

void PrizeEstimator::getMoneyList(int grade, std::span<const qint32> singles, std::span<Money> estimates) const
{
    m_err.guard(procedureName(grade), false, [&] {
        if (grade < 1 || grade > 3 || estimates.size() < singles.size())
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        const bool badCode = singles.size() >= TreeListSize ? estimateByTree(grade, singles, estimates)
                                                            : estimateByLanes(grade, singles, estimates);
        if (badCode)
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        return true;
    });
}

bool PrizeEstimator::estimateByLanes(int grade, std::span<const qint32> singles, std::span<Money> estimates) const
{
    constexpr int Lanes = 8;
    const SingleCode number;
    std::array<qint32, Matches> marks{};
    bool badCode = false;
    for (size_t first = 0; first < singles.size(); first += Lanes) {
        const int used = int(std::min<size_t>(Lanes, singles.size() - first));
        HitChance<Lanes> chance;
        for (int l = 0; l < Lanes; ++l) {
            // Unused lanes repeat the last single; their results are dropped.
            const qint32 code = singles[first + std::min(l, used - 1)];
            const bool valid = SingleCode::isValidCode(code);
            badCode = badCode || !valid;
            number.codeToInts(valid ? code : 0, marks);
            for (int match = 0; match < Matches; ++match) {
                // An invalid code gets no hit chance, hence no estimate.
                chance.hit[match][l] = valid ? m_share[match][marks[match]] : 0.0;
                chance.miss[match][l] = m_miss[match][marks[match]];
            }
        }
        const auto hitChance = chance.forGrade(grade);
        for (int l = 0; l < used; ++l)
            estimates[first + l] = toEstimate(grade, hitChance[l]);
    }
    return badCode;
}

// Estimates every single of the space, indexed by code, straight into the
// list when it is the space in code order, else into a table read per single.
bool PrizeEstimator::estimateByTree(int grade, std::span<const qint32> singles, std::span<Money> estimates) const
{
    bool inCodeOrder = singles.size() == size_t(SingleCode::CodeCount);
    for (size_t i = 0; inCodeOrder && i < singles.size(); ++i)
        inCodeOrder = singles[i] == qint32(i);
    std::vector<Money, LargeTableAllocator<Money>> table;
    if (!inCodeOrder)
        table.resize(size_t(SingleCode::CodeCount));
    const std::span<Money> byCode = inCodeOrder ? estimates.first(singles.size()) : std::span<Money>(table);

    const HitChanceTree tree(grade, m_share, m_miss);
    runHalvesOnTwoThreads(HitChanceTree::LowCount, [&](qint32 begin, qint32 end) {
        std::array<double, HitChanceTree::HighCount> chances;
        for (qint32 low = begin; low < end; ++low) {
            tree.chancesOfLow(low, chances);
            for (qint32 high = 0; high < HitChanceTree::HighCount; ++high)
                byCode[size_t(low + HitChanceTree::LowCount * high)] = toEstimate(grade, chances[size_t(high)]);
        }
    });
    if (inCodeOrder)
        return false;
    std::atomic<bool> badCode = false;
    runHalvesOnTwoThreads(singles.size(), [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            const bool valid = SingleCode::isValidCode(singles[i]);
            if (!valid)
                badCode = true;
            estimates[i] = valid ? table[size_t(singles[i])] : Money();
        }
    });
    return badCode;
}
