#pragma once

#include <QSaveFile>
#include <QString>

// Writes a file piece by piece so that it replaces the old file only when
// every piece is written: until commit() the old file stays as it was, and a
// writer dropped without commit() leaves no trace. Every failure throws the
// RuntimeError it stands for.
class AtomicFileWriter
{
public:
    // A native path; the folder must exist.
    explicit AtomicFileWriter(const QString &nativePath);

    void write(const char *data, qsizetype size);
    void write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }
    void commit();

private:
    QSaveFile m_file;
};
