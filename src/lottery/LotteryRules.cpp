#include "lottery/LotteryRules.h"

LotteryRules &LotteryRules::shared()
{
    static LotteryRules rules;
    return rules;
}
