#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Fixtures and byte helpers shared by the test programs.
namespace TestFiles {

// The bytes of a fixture below tests/data.
QByteArray fixture(const QString &relative);
QString fixturePath(const QString &relative);
// Text as the program's files hold it: windows-31j bytes.
QByteArray sjis(const QString &text);
// Joins lines with CR LF after every line, the last one included.
QString crlfLines(const QStringList &lines);
// Runs work while no file this process writes may grow beyond limitBytes,
// as on a full disk; false when the limit could not be set.
bool runWithFileSizeLimit(qint64 limitBytes, const std::function<void()> &work);
// True when running with the rights to read anything (root ignores file modes).
bool ignoresFilePermissions();

} // namespace TestFiles
