#pragma once

#include "app/FileDialogs.h"

#include <QPointer>
#include <QWidget>

// The platform's open and save dialogs, owned by the main window.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *owner) : m_owner(owner) {}

    QString openFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &folder,
                         const QString &proposed) override;
    QString folderName(const QString &title, const QString &folder) override;

private:
    QPointer<QWidget> m_owner;
};
