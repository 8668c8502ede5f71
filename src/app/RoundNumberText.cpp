#include "app/RoundNumberText.h"

#include "support/TextWidth.h"

#include <algorithm>

namespace RoundNumberText {

namespace {

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

// The number of a text, 0 when it is none; long runs of digits stay large.
qint64 valueOf(const QString &text)
{
    const QString half = TextWidth::toHalfWidth(text);
    bool ok = false;
    const qint64 value = half.trimmed().toLongLong(&ok);
    if (ok)
        return value;
    const bool allDigits = !half.isEmpty() && std::all_of(half.begin(), half.end(), isDigit);
    return allDigits ? Maximum : 0;
}

qint32 clamped(qint64 value)
{
    return qint32(std::clamp<qint64>(value, Minimum, Maximum));
}

} // namespace

QString digitsOf(const QString &text)
{
    QString digits = TextWidth::toHalfWidth(text);
    digits.removeIf([](QChar character) { return !isDigit(character); });
    return digits;
}

bool acceptsKey(QChar character)
{
    return character == u'\b' || !digitsOf(QString(character)).isEmpty();
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
