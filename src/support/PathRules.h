#pragma once

#include <QString>

// Path rules of the program's own: "\" separates, a path holding ":" (a drive)
// or beginning with "\\" (a network share) or "/" (a native absolute path) is
// absolute, and every other path resolves against the application folder.
// toNativePath() turns such a path into one the file system takes, just
// before the file system is touched.
class clsFileSystemObject
{
public:
    static QString GetFullPath(const QString &path);
    static QString BuildPath(const QString &folder, const QString &name);
    static bool FileExists(const QString &path);
    static bool FolderExists(const QString &path);
    static bool FolderCheck(const QString &path);
    // Renames the file from to to, replacing a file that is at to; false
    // when that cannot be done (from is then left where it was).
    static bool MoveFile(const QString &from, const QString &to);

    // Removes one file; true when no file is left at the path.
    static bool DeleteFile(const QString &path);
    static QString GetFileName(const QString &path);
    static QString GetExtensionName(const QString &path);
    static QString GetParentFolderName(const QString &path);
    static QString ExtensionCheck(const QString &path, const QString &extension);

    static QString toNativePath(const QString &path);
};
