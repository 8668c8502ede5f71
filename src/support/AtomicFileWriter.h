#pragma once

#include <QByteArray>
#include <QString>

// Writes a file piece by piece so that it replaces the old file only when
// every piece is written: until commit() the old file stays as it was, and a
// writer dropped without commit() leaves no trace. Every failure throws the
// RuntimeError it stands for.
//
// The new contents go into a file without a name in the target's folder, so
// that a process killed while writing leaves nothing behind. commit() gives
// it the target's name when there is no old file; otherwise it takes a
// hidden name beside the target (".<name>.qudo-save") and is renamed over
// the old file at once. Only a kill between those two steps leaves that
// complete copy behind; the next save of the file takes its place. Where the
// file system has no unnamed files the hidden name is used from the start.
class AtomicFileWriter
{
public:
    // A native path; the folder must exist. An existing file that may not
    // be written is refused; its permissions carry over to the new file.
    explicit AtomicFileWriter(const QString &nativePath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    void write(const char *data, qsizetype size);
    void write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }
    void commit();

    // The hidden name a file takes on its way to nativePath.
    static QString temporaryPath(const QString &nativePath);

private:
    void openUnnamed(int existingMode);
    void openNamed(int existingMode);
    // Links the unnamed file under path; false when path exists.
    bool linkUnnamed(const QByteArray &path) const;
    void close();

    QByteArray m_target;
    QByteArray m_temporary;
    int m_fd = -1;
    bool m_named = false;      // the new file has its hidden name from the start
    bool m_committed = false;
};
