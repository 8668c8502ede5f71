#pragma once

#include <QString>

// The official site's page addresses, from SysData\bigSettings.ini, and the
// limits of every download. One process-wide set; the page parsers copy what
// they need when they are created.
struct BigSettings
{
    // Milliseconds. The written file does not carry them; a line
    // "transferTimeout = 90000" added by hand is read (likewise the other two).
    qint32 connectTimeout = 15000;
    qint32 receiveTimeout = 30000;
    qint32 transferTimeout = 60000;

    qint32 version = 0;
    QString bigOfficialScheduleUrl;
    QString bigOfficialResultUrl;
    QString bigOfficialBigUrl;
    QString bigOfficialMiniBigUrl;
    QString bigOfficialBig1000Url;
    QString bigOfficialBig100Url;
    QString totoOfficialVoteUrl;
    QString totoOfficialTotoUrl;
};

// The process-wide values.
BigSettings &bigSettings();

// The whole load at start-up: defaults, then the file over them; a missing or
// outdated file is written anew from the defaults.
void loadBigSettings();
void setBigSettingsDefaults();
void readBigSettings();
bool saveBigSettings();

// The file's text for the given values, in its fixed 22-line layout.
QString bigSettingsText(const BigSettings &settings);
QString bigSettingsPath();
