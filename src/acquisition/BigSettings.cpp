#include "acquisition/BigSettings.h"

#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Convert.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"
#include "support/TextFile.h"
#include "support/PathRules.h"
#include "support/IniFile.h"

#include <array>

namespace {

const QString officialHost = QStringLiteral("https://store.toto-dream.com");

struct Entry
{
    QString BigSettings::*field;
    const char *key;
    const char16_t *comment;   // the comment line above the entry, if any
    QString defaultValue;
};

// The eight addresses and suffixes in file order.
const std::array<Entry, 8> &entries()
{
    static const std::array<Entry, 8> table{{
        {&BigSettings::bigOfficialScheduleUrl, "bigOfficialScheduleUrl", u";BIGオフィシャル開催情報URL",
         officialHost + QStringLiteral("/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form?popupDispDiv=0&holdCntId=")},
        {&BigSettings::bigOfficialResultUrl, "bigOfficialResultUrl", u";BIGオフィシャルくじ結果URL",
         officialHost + QStringLiteral("/dcs/subos/screen/pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form?holdCntId=")},
        {&BigSettings::bigOfficialBigUrl, "bigOfficialBigUrl", u";BIGオフィシャルURL(BIG)", QStringLiteral("&commodityId=09")},
        {&BigSettings::bigOfficialMiniBigUrl, "bigOfficialMiniBigUrl", u";BIGオフィシャルURL(mini BIG)", QStringLiteral("&commodityId=10")},
        {&BigSettings::bigOfficialBig1000Url, "bigOfficialBig1000Url", u";BIGオフィシャルURL(BIG 1000)", QStringLiteral("&commodityId=11")},
        {&BigSettings::bigOfficialBig100Url, "bigOfficialBig100Url", u";BIGオフィシャルURL(100円BIG)", QStringLiteral("&commodityId=13")},
        {&BigSettings::totoOfficialVoteUrl, "totoOfficialVoteUrl", u";totoオフィシャル投票状況URL",
         officialHost + QStringLiteral("/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=")},
        {&BigSettings::totoOfficialTotoUrl, "totoOfficialTotoUrl", u";totoオフィシャルURL(toto)", QStringLiteral("&commodityId=01")},
    }};
    return table;
}

constexpr qint32 currentVersion = 1;

// The download limits: read when the user has added them, never written.
const std::array<std::pair<qint32 BigSettings::*, const char *>, 3> limits{{
    {&BigSettings::connectTimeout, "ConnectTimeout"},
    {&BigSettings::receiveTimeout, "ReceiveTimeout"},
    {&BigSettings::transferTimeout, "TransferTimeout"},
}};

void reportCorruptFile()
{
    Ui::instance().showMessage(Ui::Icon::Error, AppInfo::title(),
                               QStringLiteral("bigSettings.iniファイルが破損しています。"));
}

} // namespace

BigSettings &bigSettings()
{
    static BigSettings settings;
    return settings;
}

QString bigSettingsPath()
{
    return AppFolder::path() + QStringLiteral("\\SysData\\bigSettings.ini");
}

void setBigSettingsDefaults()
{
    BigSettings &settings = bigSettings();
    settings = BigSettings();
    settings.version = currentVersion;
    for (const Entry &entry : entries())
        settings.*entry.field = entry.defaultValue;
}

void readBigSettings()
{
    BigSettings &settings = bigSettings();
    IniFile ini;
    ini.initialize(bigSettingsPath());
    for (const Entry &entry : entries())
        settings.*entry.field = ini.getItem(QLatin1String(entry.key), entry.defaultValue);
    try {
        settings.version = Convert::toLong(ini.getItem(QStringLiteral("Version"), QStringLiteral("0")));
        for (const auto &[field, key] : limits)
            settings.*field = Convert::toLong(ini.getItem(QLatin1String(key), QString::number(settings.*field)));
    } catch (const RuntimeError &) {
        reportCorruptFile();
    }
}

QString bigSettingsText(const BigSettings &settings)
{
    const QString crlf = QStringLiteral("\r\n");
    const auto line = [&](const QString &key, const QString &value) { return key + QStringLiteral(" = ") + value + crlf; };

    QString text = QStringLiteral(";Quorvel Toto Settings Ini File (bigSettings.ini)") + crlf
                   + u';' + AppInfo::legalNotice() + crlf + crlf
                   + line(QStringLiteral("Version"), QString::number(settings.version)) + crlf;
    for (std::size_t i = 0; i < entries().size(); ++i) {
        const Entry &entry = entries()[i];
        if (i == 6)   // the toto addresses stand apart from the BIG ones
            text += crlf;
        text += QString::fromUtf16(entry.comment) + crlf + line(QLatin1String(entry.key), settings.*entry.field);
    }
    return text;
}

bool saveBigSettings()
{
    return TextFile().saveToFile(bigSettingsPath(), bigSettingsText(bigSettings()));
}

void loadBigSettings()
{
    setBigSettingsDefaults();
    if (!PathRules::fileExists(bigSettingsPath())) {
        saveBigSettings();
        return;
    }
    readBigSettings();
    if (bigSettings().version < currentVersion) {
        setBigSettingsDefaults();
        saveBigSettings();
    }
}
