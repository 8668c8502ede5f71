#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of long operations: shown without blocking, on top of
// the main window, repainted at once on every change that shows.
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *owner = nullptr);

    void setMessage(const QString &message);
    // The bar is filled value / max; a max below 1 fills nothing.
    void setMax(qint32 max);
    void setValue(qint32 value);

    QString message() const;

    // The "中止" button, hidden unless the work can stop; pressing it is
    // remembered until the window is shown again.
    void setStoppable(bool stoppable);
    bool stopRequested() const { return m_stopRequested; }
    void resetStop();
    QPushButton *stopButton() const { return m_stopButton; }

private:
    QLabel *m_messageLabel;
    QProgressBar *m_bar;
    QPushButton *m_stopButton;
    bool m_stopRequested = false;
};
