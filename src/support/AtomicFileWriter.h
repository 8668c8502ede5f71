#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Writes a file piece by piece so that it replaces the old file only when
// every piece is written: until commit() the old file stays as it was, and a
// writer dropped without commit() leaves no trace. Every failure throws the
// RuntimeError it stands for.
//
// Each platform has its own source (chosen by the build). On Linux the new
// contents go into a file without a name in the target's folder, so that a
// process killed while writing leaves nothing behind. commit() gives it the
// target's name when there is no old file; otherwise it takes a hidden name
// beside the target (".<name>.qudo-save") and is renamed over the old file
// at once. Only a kill between those two steps leaves that complete copy
// behind. Elsewhere, and where the file system has no unnamed files, the new
// file has the hidden name from the start, so a killed save may leave it
// behind, whole or not. Either way the next save of the file takes its place.
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
    // A symbolic link is written through: its target is the file replaced.
    static QString resolved(const QString &nativePath);

    // The file being written, as the platform's source keeps it.
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
