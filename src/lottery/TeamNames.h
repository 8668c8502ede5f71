#pragma once

#include "support/ErrorReporter.h"
#include "support/IniFile.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <optional>

// The team-name and league reference files of SysData. Translates the clubs'
// official names into the short names the program shows, tells the league of
// a club in a year and the version of the updatable overseas file. The files
// are read once, when the object is created.
class TeamNames
{
public:
    TeamNames();

    // The short name of an official name, or an empty text when no file knows
    // it (the user is warned and the name is kept as the missing team name).
    QString getShortTeamName(const QString &longTeamName, qint32 roundNumber) const;
    // "J1", "J2", "J3", or an empty text when the club played in none that year.
    QString getShortToJ1J2String(const QString &shortTeamName, qint32 year) const;
    // Version, ".", Revision of TeamName2.dat.
    QString getTeamName2Version() const;
    // The same of any text in the form of TeamName2.dat.
    static QString teamName2VersionOf(const IniFile &file);
    // Whether TeamName.dat, TeamName2.dat or the user's TeamName3.dat has the
    // official name.
    bool existsLongTeamName(const QString &longTeamName) const;

    // The short name of a club however a page writes it: a short name, an
    // official, former or overseas name or one of the user's, compared in
    // their folded forms (a short name of any file first, then the official
    // names file by file). Empty, without a word to the user, when no file
    // knows the name.
    QString findShortTeamName(const QString &teamName) const;
    // The form in which club names are compared: character widths folded
    // (NFKC: ＦＣ東京 and FC東京, ｱｰｾﾅﾙ and アーセナル are one) and letter case.
    static QString foldTeamName(const QString &teamName);

    // The last official name a lookup could not translate, for the team-name
    // dialog to offer; empty when none. Shared by the whole program.
    static QString missingTeamName();
    static void clearMissingTeamName();

    // The user's own additions (relative to the application folder).
    static QString userFileName();

private:
    QString lookUp(const QString &longTeamName, qint32 roundNumber) const;
    // Folded name -> short name over every team file, built at first use.
    const QHash<QString, QString> &foldedNames() const;

    ErrorReporter m_err{QStringLiteral("clsTotoData")};
    IniFile m_teamName;    // current J.League clubs, every round
    IniFile m_teamName1;   // former names, rounds before the overseas era
    IniFile m_teamName2;   // overseas clubs, from the overseas era on
    IniFile m_teamName3;   // the user's additions, when the file exists
    IniFile m_j1j2;        // league members per season
    mutable std::optional<QHash<QString, QString>> m_foldedNames;
};
