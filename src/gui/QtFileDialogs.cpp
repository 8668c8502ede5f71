#include "gui/QtFileDialogs.h"

#include "support/clsFileSystemObject.h"

#include <QDir>
#include <QFileDialog>

namespace {

// The proposed name in the start folder, or a path the proposal already names.
QString startPath(const QString &folder, const QString &proposed)
{
    const QString native = clsFileSystemObject::toNativePath(proposed);
    if (QDir::isAbsolutePath(native))
        return native;
    return QDir(clsFileSystemObject::toNativePath(folder)).filePath(native);
}

} // namespace

QString QtFileDialogs::openFileName(const QString &title, const QString &filter, const QString &folder,
                                    const QString &proposed)
{
    return QFileDialog::getOpenFileName(m_owner, title, startPath(folder, proposed), filter);
}

QString QtFileDialogs::saveFileName(const QString &title, const QString &filter, const QString &folder,
                                    const QString &proposed)
{
    return QFileDialog::getSaveFileName(m_owner, title, startPath(folder, proposed), filter);
}

QString QtFileDialogs::folderName(const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(m_owner, title, clsFileSystemObject::toNativePath(folder));
}
