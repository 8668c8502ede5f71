#include "RoundFileBytes.h"

#include "support/TextCodec.h"

#include <QStringList>
#include <QTest>

namespace RoundFileBytes {

void compare(const QByteArray &written, const QByteArray &expected)
{
    QVERIFY2(!expected.isEmpty(), "the hand-made file is missing");
    const QStringList writtenLines = TextCodec::decodeSjis(written).split(QStringLiteral("\r\n"));
    const QStringList expectedLines = TextCodec::decodeSjis(expected).split(QStringLiteral("\r\n"));
    QCOMPARE(writtenLines, expectedLines);
    QCOMPARE(written, expected);
}

} // namespace RoundFileBytes
