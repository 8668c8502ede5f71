#pragma once

#include <QString>

// The Boolean as the state file stores it.
class clsStringConvert
{
public:
    static QString BooleanToString(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
};
