#pragma once

#include <QString>

// The progress window of a long operation, for as long as this object lives:
// Initialize shows it, Message, Max and Value update it at once, destroying
// the object closes it. Drawn by the installed Ui port.
class clsWaitDialog
{
public:
    clsWaitDialog() = default;
    ~clsWaitDialog();
    clsWaitDialog(const clsWaitDialog &) = delete;
    clsWaitDialog &operator=(const clsWaitDialog &) = delete;

    void Initialize();

    QString Message() const { return m_message; }
    void setMessage(const QString &message);
    qint32 Max() const { return m_max; }
    void setMax(qint32 max);
    void setValue(qint32 value);

private:
    bool m_shown = false;
    QString m_message;
    qint32 m_max = 100;
    qint32 m_value = 0;
};
