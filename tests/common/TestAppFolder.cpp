#include "common/TestAppFolder.h"

#include "support/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

} // namespace

TestAppFolder::TestAppFolder(SysData sysData)
{
    if (sysData == SysData::Empty)
        QDir(path()).mkpath(QStringLiteral("SysData"));
    else if (sysData == SysData::Shipped)
        copyFolder(QStringLiteral(QUDO_SHIPPED_SYSDATA_DIR), filePath(QStringLiteral("SysData")));
    AppFolder::setPath(path());
}

TestAppFolder::~TestAppFolder()
{
    AppFolder::setPath(QString());
    // Undo any read-only marks a test left so that the folder can be removed.
    const auto makeWritable = [](const QString &folder, const auto &self) -> void {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (entry.isDir())
                self(entry.filePath(), self);
            else
                QFile::setPermissions(entry.filePath(), QFile::ReadOwner | QFile::WriteOwner);
        }
    };
    makeWritable(path(), makeWritable);
}

QString TestAppFolder::filePath(const QString &relative) const
{
    return m_dir.filePath(relative);
}

void TestAppFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TestAppFolder::readFile(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestAppFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}

void TestAppFolder::remove(const QString &relative) const
{
    const QFileInfo info(filePath(relative));
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
}
