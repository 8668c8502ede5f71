#include "app/AppState.h"

#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Convert.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"
#include "support/TextFile.h"
#include "support/PathRules.h"
#include "support/IniFile.h"
#include "support/BoolText.h"

namespace {

const QString kaisaikaiKey = QStringLiteral("Kaisaikai");
const QString downloadMessageKey = QStringLiteral("DownloadMessage");
const QString resultAllKey = QStringLiteral("ResultAll");

// Converts the entry named key, when the file has one, into field.
template<typename Field, typename Conversion>
void readEntry(const clsIniFile &ini, const QString &key, Field &field, Conversion convert)
{
    if (!ini.ItemExists(key))
        return;
    try {
        field = convert(ini.GetItem(key, QString()));
    } catch (const RuntimeError &) {
        Ui::instance().showMessage(Ui::Icon::Error, AppInfo::title(),
                                   QStringLiteral("QUDO.iniファイルが破損しています。"));
    }
}

} // namespace

QString appStatePath()
{
    return AppFolder::path() + QStringLiteral("\\SysData\\QUDO.ini");
}

AppState LoadAppState()
{
    AppState state;
    if (!clsFileSystemObject::FileExists(appStatePath()))
        return state;
    clsIniFile ini;
    ini.Initialize(appStatePath());
    readEntry(ini, kaisaikaiKey, state.Kaisaikai, Convert::toLong);
    readEntry(ini, downloadMessageKey, state.DownloadMessage, Convert::toBoolean);
    readEntry(ini, resultAllKey, state.ResultAll, Convert::toBoolean);
    return state;
}

QString appStateText(const AppState &state)
{
    const QString crlf = QStringLiteral("\r\n");
    const auto line = [&](const QString &key, const QString &value) { return key + QStringLiteral(" = ") + value + crlf; };
    return QStringLiteral(";Quorvel QUDO Ini File (QUDO.ini)") + crlf + u';' + AppInfo::legalNotice() + crlf + crlf
           + line(kaisaikaiKey, QString::number(state.Kaisaikai))
           + line(downloadMessageKey, clsStringConvert::BooleanToString(state.DownloadMessage))
           + line(resultAllKey, clsStringConvert::BooleanToString(state.ResultAll));
}

bool SaveAppState(const AppState &state)
{
    return clsFileStream().SaveToFile(appStatePath(), appStateText(state));
}
