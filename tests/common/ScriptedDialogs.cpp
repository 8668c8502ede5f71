#include "common/ScriptedDialogs.h"

QString ScriptedDialogs::openFileName(const QString &title, const QString &filter, const QString &folder,
                                      const QString &proposed)
{
    asked << QStringLiteral("%1|%2|%3").arg(title, filter, proposed);
    lastFolder = folder;
    return answer;
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &filter, const QString &folder,
                                      const QString &proposed)
{
    return openFileName(title, filter, folder, proposed);
}

QString ScriptedDialogs::folderName(const QString &title, const QString &folder)
{
    asked << QStringLiteral("%1|%2").arg(title, folder);
    lastFolder = folder;
    return answer;
}
