#include "app/ProtectedFolder.h"

#include "support/Ui.h"
#include "support/PathRules.h"

#include <QFileInfo>

// Whether the user is an administrator lies in ProtectedFolderPosix.cpp or
// ProtectedFolderWindows.cpp.

namespace ProtectedFolder {

namespace {

bool underWindowsProtectedFolder(const QString &folder)
{
    const QString lower = folder.toLower();
    for (const char *prefix : {"C:\\Program Files", "C:\\Program Files (x86)", "C:\\ProgramData", "C:\\Windows"})
        if (lower.startsWith(QString::fromLatin1(prefix).toLower()))
            return true;
    return false;
}

} // namespace

bool isProtected(const QString &folder)
{
    return underWindowsProtectedFolder(folder)
           || !QFileInfo(PathRules::toNativePath(folder)).isWritable();
}

bool checkUpdateAllowed(const QString &folder)
{
    if (!isProtected(folder) || userIsAdministrator())
        return true;
    Ui::instance().showMessage(Ui::Icon::Warning, QStringLiteral("管理権限不足エラー"),
                               QStringLiteral("Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                                              "アプリケーションを終了させ管理者として実行して下さい。"));
    return false;
}

} // namespace ProtectedFolder
