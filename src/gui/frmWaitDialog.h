#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window of long operations: shown without blocking, on top of
// the main window, repainted at once on every change.
class frmWaitDialog : public QWidget
{
    Q_OBJECT

public:
    explicit frmWaitDialog(QWidget *owner = nullptr);

    void setMessage(const QString &message);
    void setProgress(qint32 value, qint32 max);

    QString message() const;

private:
    QLabel *m_lblMsg;
    QProgressBar *m_bar;
};
