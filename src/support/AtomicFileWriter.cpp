#include "support/AtomicFileWriter.h"

#include "support/FileError.h"

AtomicFileWriter::AtomicFileWriter(const QString &nativePath)
    : m_file(nativePath)
{
    if (!m_file.open(QIODevice::WriteOnly))
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
