#pragma once

#include "support/EventPacer.h"
#include "support/Ui.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class ProgressWindow;
class ConnectionWindow;
class TransferInputHold;

// The Ui port on Qt's widgets: real message boxes, the wait cursor and the
// connection log window, all over the main window.
class QtUi final : public Ui
{
public:
    QtUi();
    ~QtUi() override;

    // The window that boxes and the connection log belong to (may be null
    // before it exists).
    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    QWidget *mainWindow() const { return m_mainWindow; }

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    Answer showQuestion(Icon icon, const QString &title, const QString &text, Buttons buttons,
                        Answer preselected) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void showConnectionLog() override;
    void addConnectionLogLine(const QString &line) override;
    void appendConnectionLogText(const QString &text) override;
    void closeConnectionLog() override;
    void beginTransfer() override;
    void endTransfer() override;
    void showProgress(const QString &message) override;
    void setProgressMessage(const QString &message) override;
    void setProgressMax(qint32 max) override;
    void setProgressValue(qint32 value) override;
    void closeProgress() override;
    void setProgressStoppable(bool stoppable) override;
    bool progressStopRequested() const override;
    void openAddress(const QString &address) override;

private:
    ConnectionWindow &connectionLog();
    // The progress window " 処理中 . . .", made at its first use.
    ProgressWindow &progressWindow();

    // Owned by its owner window while shown over one, else by this port.
    QPointer<ConnectionWindow> m_connectionLog;
    QPointer<QWidget> m_mainWindow;
    QPointer<ProgressWindow> m_progress;
    EventPacer m_eventPacer;
    std::unique_ptr<TransferInputHold> m_transferHold;
};
