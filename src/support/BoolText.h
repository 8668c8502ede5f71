#pragma once

#include <QString>

// The Boolean as the state file stores it.
class BoolText
{
public:
    static QString booleanToString(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
};
