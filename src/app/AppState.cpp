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

const QString roundNumberKey = QStringLiteral("Kaisaikai");
const QString downloadMessageKey = QStringLiteral("DownloadMessage");
const QString resultAllKey = QStringLiteral("ResultAll");

// Converts the entry named key, when the file has one, into field.
template<typename Field, typename Conversion>
void readEntry(const IniFile &ini, const QString &key, Field &field, Conversion convert)
{
    if (!ini.itemExists(key))
        return;
    try {
        field = convert(ini.getItem(key, QString()));
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

AppState loadAppState()
{
    AppState state;
    if (!PathRules::fileExists(appStatePath()))
        return state;
    IniFile ini;
    ini.initialize(appStatePath());
    readEntry(ini, roundNumberKey, state.roundNumber, Convert::toLong);
    readEntry(ini, downloadMessageKey, state.downloadMessage, Convert::toBoolean);
    readEntry(ini, resultAllKey, state.resultAll, Convert::toBoolean);
    return state;
}

QString appStateText(const AppState &state)
{
    const QString crlf = QStringLiteral("\r\n");
    const auto line = [&](const QString &key, const QString &value) { return key + QStringLiteral(" = ") + value + crlf; };
    return QStringLiteral(";Quorvel QUDO Ini File (QUDO.ini)") + crlf + u';' + AppInfo::legalNotice() + crlf + crlf
           + line(roundNumberKey, QString::number(state.roundNumber))
           + line(downloadMessageKey, BoolText::booleanToString(state.downloadMessage))
           + line(resultAllKey, BoolText::booleanToString(state.resultAll));
}

bool saveAppState(const AppState &state)
{
    return TextFile().saveToFile(appStatePath(), appStateText(state));
}
