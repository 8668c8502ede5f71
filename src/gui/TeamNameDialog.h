#pragma once

#include "app/TeamNameEditor.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The modal dialog in which the user adds a club the reference files lack:
// short name (略称) and official name (名称), appended to TeamName3.dat.
class TeamNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TeamNameDialog(QWidget *parent = nullptr);

    QLineEdit *shortNameEdit() const { return m_shortNameEdit; }
    QLineEdit *fullNameEdit() const { return m_fullNameEdit; }
    QPushButton *addButton() const { return m_addButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

private:
    void onAddClicked();

    TeamNameEditor m_editor;
    QLineEdit *m_shortNameEdit;
    QLineEdit *m_fullNameEdit;
    QPushButton *m_addButton;
    QPushButton *m_cancelButton;
};
