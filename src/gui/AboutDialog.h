#pragma once

#include <QDialog>

class QLabel;

// The About window: the program's picture, title, version, legal notice and
// the publisher's mail and web links.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(QWidget *owner, const QString &version);

    // Shows the window modally over owner, on top when the owner is.
    static void showForm(QWidget *owner, const QString &version);

private:
    QLabel *link(const QString &name, const QString &address, const QString &shown);
};
