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

QString PathRules::getFullPath(const QString &path)
{
    if (path.contains(u':') || path.startsWith(QStringLiteral("\\\\")) || path.startsWith(u'/'))
        return path;
    return buildPath(AppFolder::path(), path);
}

QString PathRules::buildPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'\\') || folder.endsWith(u':') || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'\\' + name;
}

bool PathRules::fileExists(const QString &path)
{
    const QString native = toNativePath(getFullPath(path));
    if (hasWildcard(getFileName(path)))
        return wildcardMatches(native, QDir::Files);
    return QFileInfo(native).isFile();
}

bool PathRules::folderExists(const QString &path)
{
    const QString native = toNativePath(getFullPath(path));
    if (hasWildcard(getFileName(path)))
        return wildcardMatches(native, QDir::Files | QDir::Dirs);
    return QFileInfo::exists(native);
}

bool PathRules::folderCheck(const QString &path)
{
    const QString full = getFullPath(path);
    if (folderExists(full))
        return true;
    return QDir().mkpath(toNativePath(full));
}

bool PathRules::moveFile(const QString &from, const QString &to)
{
    const QString source = toNativePath(getFullPath(from));
    const QString target = toNativePath(getFullPath(to));
    if (!QFileInfo(source).isFile() || QFileInfo(target).isDir())
        return false;
    // QFile::rename never replaces a file: the old one goes first.
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    return QFile::rename(source, target);
}

bool PathRules::deleteFile(const QString &path)
{
    const QString native = toNativePath(getFullPath(path));
    return QFile::remove(native) || !QFileInfo::exists(native);
}

QString PathRules::getFileName(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]) || path[i] == u':')
            return path.mid(i + 1);
    return path;
}

QString PathRules::getExtensionName(const QString &path)
{
    const QString name = getFileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString PathRules::getParentFolderName(const QString &path)
{
    QString trimmed = path;
    if (!trimmed.isEmpty() && isSeparator(trimmed.back()))
        trimmed.chop(1);
    const qsizetype at = lastSeparator(trimmed);
    return at < 0 ? QString() : trimmed.left(at);
}

QString PathRules::extensionCheck(const QString &path, const QString &extension)
{
    if (getExtensionName(path).compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path + u'.' + extension;
}

QString PathRules::toNativePath(const QString &path)
{
    QString native = path;
    native.replace(u'\\', u'/');
    return QDir::toNativeSeparators(native);
}
