#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window of long operations: shown without blocking, on top of
// the main window, repainted at once on every change that shows.
class frmWaitDialog : public QWidget
{
    Q_OBJECT

public:
    explicit frmWaitDialog(QWidget *owner = nullptr);

    void setMessage(const QString &message);
    // The bar is filled value / max; a max below 1 fills nothing.
    void setMax(qint32 max);
    void setValue(qint32 value);

    QString message() const;

private:
    QLabel *m_lblMsg;
    QProgressBar *m_bar;
};
