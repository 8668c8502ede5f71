#include "common/TestFiles.h"

#include "support/TextCodec.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryFile>

#include <csignal>
#include <sys/resource.h>

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

bool runWithFileSizeLimit(qint64 limitBytes, const std::function<void()> &work)
{
    std::signal(SIGXFSZ, SIG_IGN);   // a write beyond the limit fails instead
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = rlim_t(limitBytes);
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
        return false;
    work();
    setrlimit(RLIMIT_FSIZE, &previous);
    return true;
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
