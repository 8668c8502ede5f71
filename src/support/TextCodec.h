#pragma once

#include <QByteArray>
#include <QString>

// The code pages of the program's files and pages: windows-31j (the Windows
// flavour of Shift_JIS) for every text file, UTF-8 for the official pages.
namespace TextCodec {

QString decodeSjis(const QByteArray &bytes);
QByteArray encodeSjis(const QString &text);
// False when some character has no windows-31j form (it would be written as a
// substitute and never read back as itself).
bool isSjisEncodable(const QString &text);

} // namespace TextCodec
