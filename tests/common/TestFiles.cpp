#include "common/TestFiles.h"

#include "support/TextCodec.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryFile>

namespace TestFiles {

QString fixturePath(const QString &relative)
{
    return QStringLiteral(QUDO_TEST_DATA_DIR "/") + relative;
}

QByteArray fixture(const QString &relative)
{
    QFile file(fixturePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sjis(const QString &text)
{
    return TextCodec::encodeSjis(text);
}

QString crlfLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

bool ignoresFilePermissions()
{
    QTemporaryFile probe;
    if (!probe.open())
        return false;
    probe.setPermissions(QFile::WriteOwner);
    QFile reader(probe.fileName());
    return reader.open(QIODevice::ReadOnly);
}

} // namespace TestFiles
