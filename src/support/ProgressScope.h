#pragma once

#include <QString>

// The progress window of a long operation for as long as this object lives:
// shown over the main window with its first message when created, updated at
// once by every change, closed when destroyed. Drawn by the installed Ui port.
class ProgressScope
{
public:
    explicit ProgressScope(const QString &message, qint32 max = 0);
    ~ProgressScope();
    ProgressScope(const ProgressScope &) = delete;
    ProgressScope &operator=(const ProgressScope &) = delete;

    void setMessage(const QString &message);
    qint32 max() const { return m_max; }
    void setMax(qint32 max);
    // The bar is filled value / Max.
    void setValue(qint32 value);
    // Shows the "中止" button; stopRequested() tells whether it was pressed.
    void allowStop();
    bool stopRequested() const;

private:
    qint32 m_max = 0;
};
