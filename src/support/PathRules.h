#pragma once

#include <QString>

// Path rules of the program's own: "\" separates, a path holding ":" (a drive)
// or beginning with "\\" (a network share) or "/" (a native absolute path) is
// absolute, and every other path resolves against the application folder.
// toNativePath() turns such a path into one the file system takes, just
// before the file system is touched.
class PathRules
{
public:
    static QString getFullPath(const QString &path);
    static QString buildPath(const QString &folder, const QString &name);
    static bool fileExists(const QString &path);
    static bool folderExists(const QString &path);
    static bool folderCheck(const QString &path);
    // Renames the file from to to, replacing a file that is at to; false
    // when that cannot be done (from is then left where it was).
    static bool moveFile(const QString &from, const QString &to);

    // Removes one file; true when no file is left at the path.
    static bool deleteFile(const QString &path);
    static QString getFileName(const QString &path);
    static QString getExtensionName(const QString &path);
    static QString getParentFolderName(const QString &path);
    static QString extensionCheck(const QString &path, const QString &extension);

    static QString toNativePath(const QString &path);
};
