#pragma once

// The prize estimate written out plainly, one term at a time, as the rule
// reads: the reference against which PrizeEstimator is checked, in the tests and
// in the estimate benchmark. Header only, so that the benchmarks (which link
// qudo_core alone) can use it too. Also a vote record shaped like a real
// toto round.

#include "rounddata/RoundData.h"
#include "support/Money.h"

#include <QRandomGenerator>

#include <array>

class EstimateReference
{
public:
    explicit EstimateReference(const VoteData &vote)
    {
        const bool newRules = vote.roundNumber >= 435;
        // (share of the pool) × (100 × 0.5 yen) × 10^28
        m_numerator = {(newRules ? 39.0 : 40.0) * 1e28, 5.0 * 1e28, (newRules ? 2.0 : 2.5) * 1e28};
        for (int i = 0; i < 14; ++i) {
            const auto &votes = vote.game[i + 1].votes;
            qint64 total = 0;
            for (int k = 0; k < 3; ++k)
                total += votes[k].count.wholeUnits();
            for (int k = 0; k < 3; ++k) {
                if (total != 0)
                    m_share[i][k] = votes[k].count.toDouble() / double(total) * 100;
                else
                    m_share[i][k] = vote.roundNumber != 0 ? 100.0 / 3 : 0.0;
                m_miss[i][k] = 100 - m_share[i][k];
            }
        }
    }

    // Grade 1, 2 or 3 for the marks of matches No. 1 to 14.
    Money estimate(int grade, const std::array<qint32, 14> &marks) const
    {
        double d = 0;
        if (grade == 1) {
            d = term(marks, -1, -1);
        } else if (grade == 2) {
            for (int i = 0; i < 14; ++i)
                d += term(marks, i, -1);
        } else {
            for (int i = 0; i < 14; ++i)
                for (int j = i + 1; j < 14; ++j)
                    d += term(marks, i, j);
        }
        const double e = d > 0 ? m_numerator[grade - 1] / d : 0;
        if (e > 99999999999.0)
            return Money::fromWhole(99999999999);
        return Money::fromWhole(Money::fromDouble(e).wholeUnits());
    }

    // A record like a real round: every outcome voted, the favourite of a
    // match between about 35 and 75 %, three million votes per match.
    static VoteData realisticVotes(qint32 roundNumber, quint32 seed)
    {
        QRandomGenerator random(seed);
        VoteData vote;
        vote.roundNumber = roundNumber;
        for (int i = 1; i <= 14; ++i) {
            const int favourite = 35 + random.bounded(41);
            const int draw = 15 + random.bounded(std::min(20, 86 - favourite));
            const int other = 100 - favourite - draw;
            const std::array<int, 3> percent = random.bounded(2) ? std::array{draw, favourite, other}
                                                                 : std::array{draw, other, favourite};
            for (int k = 0; k < 3; ++k)
                vote.game[i].votes[k].count = Money::fromWhole(percent[k] * 30000 + random.bounded(30000));
        }
        return vote;
    }

    // A record with the same vote counts (marks 0, 1, 2) in every match.
    static VoteData sameVotesEverywhere(qint32 roundNumber, const std::array<qint64, 3> &counts)
    {
        VoteData vote;
        vote.roundNumber = roundNumber;
        for (int i = 1; i <= 14; ++i)
            for (int k = 0; k < 3; ++k)
                vote.game[i].votes[k].count = Money::fromWhole(counts[k]);
        return vote;
    }

private:
    // The 14 per-match factors, match 1 first: miss share at i and j, hit
    // share elsewhere.
    double term(const std::array<qint32, 14> &marks, int i, int j) const
    {
        double product = 1;
        for (int k = 0; k < 14; ++k)
            product *= (k == i || k == j) ? m_miss[k][marks[k]] : m_share[k][marks[k]];
        return product;
    }

    std::array<double, 3> m_numerator{};
    double m_share[14][3] = {};
    double m_miss[14][3] = {};
};
