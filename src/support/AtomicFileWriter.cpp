#include "support/AtomicFileWriter.h"

#include <QFileInfo>

// The parts every platform shares; the writing itself lies in
// AtomicFileWriterLinux.cpp or AtomicFileWriterPortable.cpp.

QString AtomicFileWriter::resolved(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

QString AtomicFileWriter::temporaryPath(const QString &nativePath)
{
    const QFileInfo info(resolved(nativePath));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".qudo-save");
}
