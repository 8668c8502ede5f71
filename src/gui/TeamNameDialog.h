#pragma once

#include "app/TeamNameEditor.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The modal dialog in which the user adds a club the reference files lack:
// short name (略称) and official name (名称), appended to TeamName3.dat.
class frmTeamName : public QDialog
{
    Q_OBJECT

public:
    explicit frmTeamName(QWidget *parent = nullptr);

    QLineEdit *txtRyakusho() const { return m_txtRyakusho; }
    QLineEdit *txtMeisho() const { return m_txtMeisho; }
    QPushButton *cmdAdd() const { return m_cmdAdd; }
    QPushButton *cmdCancel() const { return m_cmdCancel; }

private:
    void cmdAdd_Click();

    TeamNameEditor m_editor;
    QLineEdit *m_txtRyakusho;
    QLineEdit *m_txtMeisho;
    QPushButton *m_cmdAdd;
    QPushButton *m_cmdCancel;
};
