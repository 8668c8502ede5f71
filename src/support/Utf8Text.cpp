#include "support/Utf8Text.h"

QString Utf8ToText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}
