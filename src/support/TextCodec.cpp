#include "support/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

namespace {
constexpr const char *sjisName = "windows-31j";
}

QString decodeSjis(const QByteArray &bytes)
{
    QStringDecoder decoder(sjisName);
    return decoder.decode(bytes);
}

QByteArray encodeSjis(const QString &text)
{
    QStringEncoder encoder(sjisName);
    return encoder.encode(text);
}

bool isSjisEncodable(const QString &text)
{
    QStringEncoder encoder(sjisName);
    const QByteArray bytes = encoder.encode(text);   // encode() is lazy: convert to run it
    return !encoder.hasError();
}

} // namespace TextCodec
