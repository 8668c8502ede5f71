#include "support/PathRules.h"

#include "support/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

qsizetype lastSeparator(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return i;
    return -1;
}

bool hasWildcard(const QString &name)
{
    return name.contains(u'*') || name.contains(u'?');
}

// Whether an entry matching the pattern's file name exists in its folder.
bool wildcardMatches(const QString &nativePath, QDir::Filters kinds)
{
    const QFileInfo info(nativePath);
    const QDir folder(info.path());
    return !folder.entryList({info.fileName()}, kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .isEmpty();
}

} // namespace

QString clsFileSystemObject::GetFullPath(const QString &path)
{
    if (path.contains(u':') || path.startsWith(QStringLiteral("\\\\")) || path.startsWith(u'/'))
        return path;
    return BuildPath(AppFolder::path(), path);
}

QString clsFileSystemObject::BuildPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'\\') || folder.endsWith(u':') || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'\\' + name;
}

bool clsFileSystemObject::FileExists(const QString &path)
{
    const QString native = toNativePath(GetFullPath(path));
    if (hasWildcard(GetFileName(path)))
        return wildcardMatches(native, QDir::Files);
    return QFileInfo(native).isFile();
}

bool clsFileSystemObject::FolderExists(const QString &path)
{
    const QString native = toNativePath(GetFullPath(path));
    if (hasWildcard(GetFileName(path)))
        return wildcardMatches(native, QDir::Files | QDir::Dirs);
    return QFileInfo::exists(native);
}

bool clsFileSystemObject::FolderCheck(const QString &path)
{
    const QString full = GetFullPath(path);
    if (FolderExists(full))
        return true;
    return QDir().mkpath(toNativePath(full));
}

bool clsFileSystemObject::MoveFile(const QString &from, const QString &to)
{
    const QString source = toNativePath(GetFullPath(from));
    const QString target = toNativePath(GetFullPath(to));
    if (!QFileInfo(source).isFile() || QFileInfo(target).isDir())
        return false;
    // QFile::rename never replaces a file: the old one goes first.
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    return QFile::rename(source, target);
}

bool clsFileSystemObject::DeleteFile(const QString &path)
{
    const QString native = toNativePath(GetFullPath(path));
    return QFile::remove(native) || !QFileInfo::exists(native);
}

QString clsFileSystemObject::GetFileName(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]) || path[i] == u':')
            return path.mid(i + 1);
    return path;
}

QString clsFileSystemObject::GetExtensionName(const QString &path)
{
    const QString name = GetFileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString clsFileSystemObject::GetParentFolderName(const QString &path)
{
    QString trimmed = path;
    if (!trimmed.isEmpty() && isSeparator(trimmed.back()))
        trimmed.chop(1);
    const qsizetype at = lastSeparator(trimmed);
    return at < 0 ? QString() : trimmed.left(at);
}

QString clsFileSystemObject::ExtensionCheck(const QString &path, const QString &extension)
{
    if (GetExtensionName(path).compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path + u'.' + extension;
}

QString clsFileSystemObject::toNativePath(const QString &path)
{
    QString native = path;
    native.replace(u'\\', u'/');
    return QDir::toNativeSeparators(native);
}
