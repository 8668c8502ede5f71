#include "support/basEncode.h"

QString Utf8ToText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}
