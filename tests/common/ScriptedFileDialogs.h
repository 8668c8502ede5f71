#pragma once

#include "app/FileDialogs.h"

#include <QString>
#include <QStringList>

// Open and save dialogs that answer from the test: every question is kept as
// "title|filter|proposed name", and the answer is the path the test set.
class ScriptedFileDialogs final : public FileDialogs
{
public:
    QString openFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override
    {
        asked << QStringLiteral("%1|%2|%3").arg(title, filter, proposed);
        lastFolder = folder;
        return answer;
    }
    QString saveFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override
    {
        return openFileName(title, filter, folder, proposed);
    }

    QString answer;
    QStringList asked;
    QString lastFolder;
};
