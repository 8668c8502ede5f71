#pragma once

#include <QString>

// What the main window remembers between runs, in SysData\QUDO.ini.
struct AppState
{
    qint32 roundNumber = 1;          // the round shown last
    bool downloadMessage = true;   // downloads ask before going to the internet
    bool resultAll = false;        // the check page always shows every result
};

// Defaults, then every entry of the file that can be converted; a value that
// cannot shows the corruption message and keeps its default. A missing file
// is no error.
AppState loadAppState();
// Replaces the file with the six-line layout; false when it could not be written.
bool saveAppState(const AppState &state);

QString appStateText(const AppState &state);
QString appStatePath();
