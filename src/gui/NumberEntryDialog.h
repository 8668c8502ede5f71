#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The number-entry dialog: a single typed as its 14 marks.
class frmNumbers : public QDialog
{
    Q_OBJECT

public:
    explicit frmNumbers(QWidget *owner = nullptr);

    // Shows the dialog modally; the 14 marks, or empty when cancelled.
    static QString ShowDialog(QWidget *owner);

    QString result() const { return m_result; }
    QLineEdit *txtNumber() const { return m_txtNumber; }
    QPushButton *cmdOK() const { return m_cmdOK; }
    QPushButton *cmdCancel() const { return m_cmdCancel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdOK_Click();

    QString m_result;
    QLineEdit *m_txtNumber;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdCancel;
};
