#include "app/clsToto.h"

clsToto &clsToto::shared()
{
    static clsToto rules;
    return rules;
}
