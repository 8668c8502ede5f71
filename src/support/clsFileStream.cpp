#include "support/clsFileStream.h"

#include "support/RuntimeError.h"
#include "support/TextCodec.h"
#include "support/clsFileSystemObject.h"

#include <QFile>
#include <QSaveFile>

namespace {

RuntimeError fileError(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
        return RuntimeError::fromNumber(RuntimeError::PermissionDenied);
    case QFileDevice::ResourceError:
        return RuntimeError::fromNumber(RuntimeError::DiskFull);
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return RuntimeError::fromNumber(RuntimeError::DeviceIo);
    default:
        return RuntimeError::fromNumber(RuntimeError::PathFileAccess);
    }
}

} // namespace

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
            throw fileError(file.error());
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw fileError(file.error());
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
        QSaveFile file(clsFileSystemObject::toNativePath(full));
        if (!file.open(QIODevice::WriteOnly))
            throw fileError(file.error());
        if (file.write(bytes) != bytes.size() || !file.commit())
            throw fileError(file.error());
        return true;
    });
}

bool clsFileStream::SaveToFile(const QString &path, const QString &text) const
{
    return saveBytes(path, TextCodec::encodeSjis(text));
}
