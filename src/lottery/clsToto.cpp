#include "lottery/clsToto.h"

clsToto &clsToto::shared()
{
    static clsToto rules;
    return rules;
}
