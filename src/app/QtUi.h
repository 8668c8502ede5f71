#pragma once

#include "support/Ui.h"

#include <QPointer>

class frmWinInet;

// The Ui port on Qt's widgets: real message boxes, the wait cursor and the
// connection log window.
class QtUi final : public Ui
{
public:
    ~QtUi() override;

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void showConnectionLog(QWidget *owner) override;
    void addConnectionLogLine(const QString &line) override;
    void appendConnectionLogText(const QString &text) override;
    void closeConnectionLog(QWidget *owner) override;

private:
    frmWinInet &connectionLog();

    // Owned by its owner window while shown over one, else by this port.
    QPointer<frmWinInet> m_connectionLog;
};
