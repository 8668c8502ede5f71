#include "support/AtomicFileWriter.h"

#include "support/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

// Every platform: Qt and the C++ standard library only. The new contents go
// into the hidden file beside the target, which one rename then puts in the
// target's place. Qt has no call that forces a file's data onto the disk, so
// it is flushed to the system before the rename.

namespace {

[[noreturn]] void throwErrorOf(const QFileDevice &file)
{
    throw fileErrorOf(file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error());
}

RuntimeError errorOf(const std::error_code &error)
{
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted
        || error == std::errc::read_only_file_system)
        return fileErrorOf(QFileDevice::PermissionsError);
    if (error == std::errc::no_space_on_device)
        return fileErrorOf(QFileDevice::ResourceError);
    return fileErrorOf(QFileDevice::OpenError);
}

std::filesystem::path pathOf(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// The file's own permissions; the user's are what the file system grants
// the running user, not a part of the file.
QFile::Permissions permissionsOf(const QFileInfo &file)
{
    return file.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

} // namespace

struct AtomicFileWriter::Handle
{
    // A file left unfinished goes, even when the writer's constructor failed.
    ~Handle()
    {
        if (committed || !file.isOpen())
            return;
        file.close();
        QFile::remove(file.fileName());
    }

    QString target;
    QFile file;
    bool committed = false;
};

AtomicFileWriter::AtomicFileWriter(const QString &nativePath)
    : m_handle(std::make_unique<Handle>())
{
    m_handle->target = resolved(nativePath);
    const QFileInfo existing(m_handle->target);
    if (existing.isDir())
        throw fileErrorOf(QFileDevice::OpenError);
    if (existing.exists() && !existing.isWritable())
        throw fileErrorOf(QFileDevice::PermissionsError);
    // What an earlier save killed before its rename left beside the file.
    const QString temporary = temporaryPath(nativePath);
    QFile::remove(temporary);
    QFile &file = m_handle->file;
    file.setFileName(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throwErrorOf(file);
    if (existing.exists() && !file.setPermissions(permissionsOf(existing)))
        throwErrorOf(file);
}

AtomicFileWriter::~AtomicFileWriter() = default;

void AtomicFileWriter::write(const char *data, qsizetype size)
{
    if (m_handle->file.write(data, size) != size)
        throwErrorOf(m_handle->file);
}

void AtomicFileWriter::commit()
{
    QFile &file = m_handle->file;
    if (!file.flush())
        throwErrorOf(file);
    file.close();
    if (file.error() != QFileDevice::NoError) {
        QFile::remove(file.fileName());
        throwErrorOf(file);
    }
    std::error_code error;
    std::filesystem::rename(pathOf(file.fileName()), pathOf(m_handle->target), error);
    if (error) {
        QFile::remove(file.fileName());
        throw errorOf(error);
    }
    m_handle->committed = true;
}
