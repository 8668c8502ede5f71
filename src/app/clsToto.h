#pragma once

// The lottery's rules that depend on the round: how many prize grades it has.
class clsToto
{
public:
    // 4 below round 435, 5 up to round 608, 6 from round 609.
    static constexpr int GetMaxGrade(int lngKaisaikai)
    {
        return lngKaisaikai < 435 ? 4 : lngKaisaikai < 609 ? 5 : 6;
    }

    // The one object created at start-up and shared by every user of the rules.
    static clsToto &shared();
};
