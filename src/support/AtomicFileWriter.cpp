#include "support/AtomicFileWriter.h"

#include "support/FileError.h"

AtomicFileWriter::AtomicFileWriter(const QString &nativePath)
    : m_file(nativePath)
{
    // Unbuffered: a buffered write succeeds at once and a short write at
    // commit goes unnoticed, committing a file cut short on a full disk.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fileErrorOf(m_file.error());
}

void AtomicFileWriter::write(const char *data, qsizetype size)
{
    if (m_file.write(data, size) != size)
        throw fileErrorOf(m_file.error());
}

void AtomicFileWriter::commit()
{
    if (!m_file.commit())
        throw fileErrorOf(m_file.error());
}
