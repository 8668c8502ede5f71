#pragma once

#include <QString>

// What the team-name dialog does, without the window: its presets and the
// addition of a short name / official name pair to the user's TeamName3.dat.
class TeamNameEditor
{
public:
    // 略称 preset: the missing team name in half-width characters.
    static QString presetShortName();
    // 名称 preset: the missing team name as the official site wrote it.
    static QString presetFullName();

    // Checks the input as typed and appends the pair. True when the pair was
    // added and the dialog may close; false after an input error box or a
    // file error, with the dialog left open.
    bool add(const QString &enteredShortName, const QString &enteredLongName) const;

    static constexpr int maxShortNameLength = 6;

private:
    static bool readUserFile(QString &text);
    static QString invalidInputMessage(const QString &enteredShortName, const QString &shortName,
                                       const QString &longName);
    static QString entryLine(const QString &shortName, const QString &longName);
};
