#include "support/TextFile.h"

#include "support/AtomicFileWriter.h"
#include "support/FileError.h"
#include "support/TextCodec.h"
#include "support/PathRules.h"

#include <QFile>

clsFileStream::clsFileStream() = default;

bool clsFileStream::loadBytes(const QString &path, QByteArray &bytes) const
{
    const QString full = clsFileSystemObject::GetFullPath(path);
    if (!clsFileSystemObject::FileExists(full)) {
        if (m_errMessage)
            m_err.report(QStringLiteral("LoadFromFile"),
                         QStringLiteral("ファイルが存在しません。\r\n") + full);
        return false;
    }
    return m_err.guard(QStringLiteral("LoadFromFile"), false, [&] {
        QFile file(clsFileSystemObject::toNativePath(full));
        if (!file.open(QIODevice::ReadOnly))
            throw fileErrorOf(file.error());
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw fileErrorOf(file.error());
        return true;
    });
}

bool clsFileStream::LoadFromFile(const QString &path, QString &text) const
{
    QByteArray bytes;
    if (!loadBytes(path, bytes))
        return false;
    text = TextCodec::decodeSjis(bytes);
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
        text.truncate(nul);
    return true;
}

bool clsFileStream::saveBytes(const QString &path, const QByteArray &bytes) const
{
    const QString full = clsFileSystemObject::GetFullPath(path);
    if (!clsFileSystemObject::FolderCheck(clsFileSystemObject::GetParentFolderName(full)))
        return false;
    return m_err.guard(QStringLiteral("SaveToFile"), false, [&] {
        AtomicFileWriter file(clsFileSystemObject::toNativePath(full));
        file.write(bytes);
        file.commit();
        return true;
    });
}

bool clsFileStream::SaveToFile(const QString &path, const QString &text) const
{
    return saveBytes(path, TextCodec::encodeSjis(text));
}
