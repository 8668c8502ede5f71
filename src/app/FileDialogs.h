#pragma once

#include <QString>

// The open and save dialogs the file commands ask for a path: the window side
// shows the platform's dialogs, tests answer from a script. An empty path
// means the user cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // A file that exists.
    virtual QString openFileName(const QString &title, const QString &filter, const QString &folder,
                                 const QString &proposed) = 0;
    // Asks before replacing a file that exists; a name typed without an
    // extension gets the filter's before the question, where the platform's
    // dialog allows.
    virtual QString saveFileName(const QString &title, const QString &filter, const QString &folder,
                                 const QString &proposed) = 0;
    // A folder that exists. A port without a folder dialog answers as cancelled.
    virtual QString folderName(const QString & /*title*/, const QString & /*folder*/) { return QString(); }
};
