#include "app/StartupCheck.h"

#include "support/PathRules.h"

namespace StartupCheck {

QString firstFailure()
{
    if (!clsFileSystemObject::FolderExists(clsFileSystemObject::GetFullPath(QStringLiteral("SysData"))))
        return QStringLiteral("システムデータフォルダ(SysData)が見つかりません");

    for (const char *name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        const QString file = QLatin1String(name);
        if (!clsFileSystemObject::FileExists(QStringLiteral("SysData\\") + file))
            return QStringLiteral("データファイル(") + file + QStringLiteral(")が見つかりません");
    }
    return QString();
}

} // namespace StartupCheck
