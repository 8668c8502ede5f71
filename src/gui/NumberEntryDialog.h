#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The number-entry dialog: a single typed as its 14 marks.
class NumberEntryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NumberEntryDialog(QWidget *owner = nullptr);

    // Shows the dialog modally; the 14 marks, or empty when cancelled.
    static QString showDialog(QWidget *owner);

    QString result() const { return m_result; }
    QLineEdit *numberEdit() const { return m_numberEdit; }
    QPushButton *okButton() const { return m_cmdOK; }
    QPushButton *cancelButton() const { return m_cancelButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOkClicked();

    QString m_result;
    QLineEdit *m_numberEdit;
    QPushButton *m_cmdOK;
    QPushButton *m_cancelButton;
};
