#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a downloaded page decoded as UTF-8; empty text when nothing
// could be decoded.
QString utf8ToText(const QByteArray &bytes);
