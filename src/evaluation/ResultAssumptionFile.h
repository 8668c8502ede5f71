#pragma once

#include "evaluation/EvaluationTables.h"

#include <QString>

// The user's assumptions for one round and group, kept between sessions in
// SysData\Temp: 14 lines, one per match, each the game-state values of the
// outcome codes 0, 1 and 2 as "v0,v1,v2" and CR LF.
class ResultAssumptionFile
{
public:
    ResultAssumptionFile(qint32 roundNumber, const QString &group);

    // Relative to the application folder: SysData\Temp\BIG_Result_005.dat,
    // SysData\Temp\BIG_Result_512_A.dat.
    const QString &path() const { return m_path; }
    bool exists() const;
    // Throws RuntimeError when the file is still there afterwards.
    void remove() const;
    // Reads the values into table, match by match. Throws RuntimeError at
    // the first line or value that is missing, no number or no game state
    // (0 to 3); the values before it are in table.
    void read(GameStateTable &table) const;
    // Replaces the file; false when it could not be written (the file stream
    // has told the user why).
    bool write(const GameStateTable &table) const;

    static QString render(const GameStateTable &table);
    static void parse(const QString &text, GameStateTable &table);

private:
    QString m_path;
};
