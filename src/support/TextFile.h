#pragma once

#include "support/ErrorReporter.h"

#include <QString>

// Whole-file text I/O in windows-31j. A save replaces the old file atomically:
// a save that fails part-way leaves the old file exactly as it was.
class TextFile
{
public:
    TextFile();

    // Whether loadFromFile warns about a missing file (on when created).
    bool errMessage() const { return m_errMessage; }
    void setErrMessage(bool warn) { m_errMessage = warn; }

    // Reads the whole file; the text ends at its first NUL character.
    bool loadFromFile(const QString &path, QString &text) const;
    // Replaces the file with the text, creating missing folders first.
    bool saveToFile(const QString &path, const QString &text) const;

    // The same for raw bytes, for files that are not text of the program's own.
    bool loadBytes(const QString &path, QByteArray &bytes) const;
    bool saveBytes(const QString &path, const QByteArray &bytes) const;

private:
    ErrorReporter m_err{QStringLiteral("clsFileStream")};
    bool m_errMessage = true;
};
