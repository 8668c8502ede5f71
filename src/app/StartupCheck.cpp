#include "app/StartupCheck.h"

#include "support/PathRules.h"

namespace StartupCheck {

QString firstFailure()
{
    if (!PathRules::folderExists(PathRules::getFullPath(QStringLiteral("SysData"))))
        return QStringLiteral("システムデータフォルダ(SysData)が見つかりません");

    for (const char *name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        const QString file = QLatin1String(name);
        if (!PathRules::fileExists(QStringLiteral("SysData\\") + file))
            return QStringLiteral("データファイル(") + file + QStringLiteral(")が見つかりません");
    }
    return QString();
}

} // namespace StartupCheck
