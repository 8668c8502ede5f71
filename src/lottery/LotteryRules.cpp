#include "lottery/LotteryRules.h"

clsToto &clsToto::shared()
{
    static clsToto rules;
    return rules;
}
