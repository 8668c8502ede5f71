#pragma once

#include "app/FileDialogs.h"

#include <QStringList>

// File dialogs for tests: every dialog is recorded as "title|filter|proposed"
// (a folder dialog as "title|folder") and answered with the scripted path;
// an empty answer is a cancelled dialog.
class ScriptedDialogs final : public FileDialogs
{
public:
    QString openFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override;
    QString folderName(const QString &title, const QString &folder) override;

    QString answer;
    QStringList asked;
    QString lastFolder;
};
