#include "support/AtomicFileWriter.h"

#include "support/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Linux: the new contents are written into a file without a name
// (O_TMPFILE), which is linked under a name only once it is complete.

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

} // namespace

struct AtomicFileWriter::Handle
{
    // A file left unfinished goes, even when the writer's constructor failed.
    ~Handle();
    void openUnnamed(int existingMode);
    void openNamed(int existingMode);
    // Links the unnamed file under path; false when path exists.
    bool linkUnnamed(const QByteArray &path) const;
    void close();

    QByteArray target;
    QByteArray temporary;
    int fd = -1;
    bool named = false;      // the new file has its hidden name from the start
    bool committed = false;
};

AtomicFileWriter::AtomicFileWriter(const QString &nativePath)
    : m_handle(std::make_unique<Handle>())
{
    Handle &file = *m_handle;
    file.target = QFile::encodeName(resolved(nativePath));
    file.temporary = QFile::encodeName(temporaryPath(nativePath));
    int existingMode = -1;
    struct stat existing{};
    if (::stat(file.target.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            throw fileErrorOf(QFileDevice::OpenError);
        if (::access(file.target.constData(), W_OK) != 0)
            throwLastError();
        existingMode = int(existing.st_mode & 07777);
    }
    // What an earlier save killed on its last step left beside the file.
    ::unlink(file.temporary.constData());
    if (::access("/proc/self/fd", X_OK) == 0)
        file.openUnnamed(existingMode);
    else
        file.openNamed(existingMode);
}

AtomicFileWriter::~AtomicFileWriter() = default;

AtomicFileWriter::Handle::~Handle()
{
    if (committed)
        return;
    close();
    if (named)
        ::unlink(temporary.constData());
}

void AtomicFileWriter::Handle::openUnnamed(int existingMode)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, existingMode < 0 ? 0666 : 0600);
    if (fd < 0 && lacksUnnamedFiles(errno)) {
        openNamed(existingMode);
        return;
    }
    if (fd < 0)
        throwLastError();
    if (existingMode >= 0 && ::fchmod(fd, mode_t(existingMode)) != 0)
        throwLastError();
}

void AtomicFileWriter::Handle::openNamed(int existingMode)
{
    fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existingMode < 0 ? 0666 : 0600);
    if (fd < 0)
        throwLastError();
    named = true;
    if (existingMode >= 0 && ::fchmod(fd, mode_t(existingMode)) != 0)
        throwLastError();
}

void AtomicFileWriter::write(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_handle->fd, data, std::size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throwLastError();
        data += written;
        size -= written;
    }
}

bool AtomicFileWriter::Handle::linkUnnamed(const QByteArray &path) const
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != EEXIST)
        throwLastError();
    return false;
}

void AtomicFileWriter::commit()
{
    Handle &file = *m_handle;
    if (::fdatasync(file.fd) != 0)
        throwLastError();
    // A new file takes its name at once; an old one is replaced by a rename
    // right after the new file took its hidden name.
    const bool placed = !file.named && file.linkUnnamed(file.target);
    if (!placed) {
        if (!file.named && !file.linkUnnamed(file.temporary))
            throw errorOf(EEXIST);
        if (::rename(file.temporary.constData(), file.target.constData()) != 0) {
            const int number = errno;
            ::unlink(file.temporary.constData());
            throw errorOf(number);
        }
    }
    file.committed = true;
    file.close();
}

void AtomicFileWriter::Handle::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
