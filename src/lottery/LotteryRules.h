#pragma once

#include <QtGlobal>

// The lottery's rules: how many prize grades a round has, which share of the
// pool each grade gets, and what one single costs.
class LotteryRules
{
public:
    // One BIG single costs 300 yen.
    static constexpr qint64 SinglePrice = 300;

    // The first round with a fifth grade, whose pool shares differ from the
    // earlier rounds', and the first with a sixth.
    static constexpr int FirstRoundOfFiveGrades = 435;
    static constexpr int FirstRoundOfSixGrades = 609;

    // 4 below round 435, 5 up to round 608, 6 from round 609.
    static constexpr int getMaxGrade(int roundNumber)
    {
        return roundNumber < FirstRoundOfFiveGrades ? 4 : roundNumber < FirstRoundOfSixGrades ? 5 : 6;
    }

    // Whether the round pays its grades 1 to 3 by the pool shares that came
    // with the fifth grade.
    static constexpr bool hasFifthGradeShares(int roundNumber)
    {
        return roundNumber >= FirstRoundOfFiveGrades;
    }

    // The one object created at start-up and shared by every user of the rules.
    static LotteryRules &shared();
};
