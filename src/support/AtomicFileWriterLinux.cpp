#include "support/AtomicFileWriter.h"

#include "support/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RuntimeError errorOf(int number)
{
    switch (number) {
    case EACCES:
    case EPERM:
    case EROFS:
        return fileErrorOf(QFileDevice::PermissionsError);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return fileErrorOf(QFileDevice::ResourceError);
    case EIO:
        return fileErrorOf(QFileDevice::WriteError);
    default:
        return fileErrorOf(QFileDevice::OpenError);
    }
}

[[noreturn]] void throwLastError()
{
    throw errorOf(errno);
}

// File systems without unnamed files answer one of these.
bool lacksUnnamedFiles(int number)
{
    return number == EOPNOTSUPP || number == EISDIR || number == EINVAL;
}

// A symbolic link is written through: its target is the file replaced.
QString resolved(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

} // namespace

QString AtomicFileWriter::temporaryPath(const QString &nativePath)
{
    const QFileInfo info(resolved(nativePath));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".qudo-save");
}

AtomicFileWriter::AtomicFileWriter(const QString &nativePath)
    : m_target(QFile::encodeName(resolved(nativePath)))
    , m_temporary(QFile::encodeName(temporaryPath(nativePath)))
{
    int existingMode = -1;
    struct stat existing{};
    if (::stat(m_target.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            throw fileErrorOf(QFileDevice::OpenError);
        if (::access(m_target.constData(), W_OK) != 0)
            throwLastError();
        existingMode = int(existing.st_mode & 07777);
    }
    // What an earlier save killed on its last step left beside the file.
    ::unlink(m_temporary.constData());
    if (::access("/proc/self/fd", X_OK) == 0)
        openUnnamed(existingMode);
    else
        openNamed(existingMode);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_committed)
        return;
    close();
    if (m_named)
        ::unlink(m_temporary.constData());
}

void AtomicFileWriter::openUnnamed(int existingMode)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(m_target)).absolutePath());
    m_fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, existingMode < 0 ? 0666 : 0600);
    if (m_fd < 0 && lacksUnnamedFiles(errno)) {
        openNamed(existingMode);
        return;
    }
    if (m_fd < 0)
        throwLastError();
    if (existingMode >= 0 && ::fchmod(m_fd, mode_t(existingMode)) != 0)
        throwLastError();
}

void AtomicFileWriter::openNamed(int existingMode)
{
    m_fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existingMode < 0 ? 0666 : 0600);
    if (m_fd < 0)
        throwLastError();
    m_named = true;
    if (existingMode >= 0 && ::fchmod(m_fd, mode_t(existingMode)) != 0)
        throwLastError();
}

void AtomicFileWriter::write(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, std::size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throwLastError();
        data += written;
        size -= written;
    }
}

bool AtomicFileWriter::linkUnnamed(const QByteArray &path) const
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != EEXIST)
        throwLastError();
    return false;
}

void AtomicFileWriter::commit()
{
    if (::fdatasync(m_fd) != 0)
        throwLastError();
    // A new file takes its name at once; an old one is replaced by a rename
    // right after the new file took its hidden name.
    const bool placed = !m_named && linkUnnamed(m_target);
    if (!placed) {
        if (!m_named && !linkUnnamed(m_temporary))
            throw errorOf(EEXIST);
        if (::rename(m_temporary.constData(), m_target.constData()) != 0) {
            const int number = errno;
            ::unlink(m_temporary.constData());
            throw errorOf(number);
        }
    }
    m_committed = true;
    close();
}

void AtomicFileWriter::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
