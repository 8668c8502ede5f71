#include "app/RoundNumberText.h"

#include <algorithm>

namespace RoundNumberText {

namespace {

// The number of a text, 0 when it is none; long runs of digits stay large.
qint64 valueOf(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (ok)
        return value;
    const bool allDigits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return allDigits ? Maximum : 0;
}

qint32 clamped(qint64 value)
{
    return qint32(std::clamp<qint64>(value, Minimum, Maximum));
}

} // namespace

bool acceptsKey(QChar character)
{
    return (character >= u'0' && character <= u'9') || character == u'\b';
}

QString normalized(const QString &text)
{
    return text.isEmpty() ? text : QString::number(clamped(valueOf(text)));
}

QString stepped(const QString &text, int delta)
{
    return QString::number(clamped(valueOf(text) + delta));
}

qint32 roundOf(const QString &text)
{
    return text.isEmpty() ? -1 : clamped(valueOf(text));
}

} // namespace RoundNumberText
