#include "support/Utf8Text.h"

QString utf8ToText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}
