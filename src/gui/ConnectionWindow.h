#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// The connection log window: the lines of the current downloads, the newest
// in view, and 中止, which ends the running transfer. One exists per process;
// closing it clears its lines.
class ConnectionWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ConnectionWindow(QWidget *parent = nullptr);

    // Shows the window non-modal over owner (may be null), kept above it
    // when the owner stays on top.
    void showOver(QWidget *owner);
    void addLine(const QString &line);
    void appendToLastLine(const QString &text);
    // Hides the window, forgets its lines and redraws owner (may be null).
    void closeLog(QWidget *owner);

    QStringList lines() const;

    // 中止 can be pressed only while a transfer runs.
    void setStopEnabled(bool enabled);

Q_SIGNALS:
    void stopRequested();

private:
    QListWidget *m_messageList;
    QPushButton *m_stopButton;
};
