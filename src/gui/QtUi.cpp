#include "gui/QtUi.h"

#include "acquisition/HttpTransfer.h"
#include "gui/TransferInputHold.h"
#include "gui/ProgressWindow.h"
#include "gui/ConnectionWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

QMessageBox::Icon toQt(Ui::Icon icon)
{
    switch (icon) {
    case Ui::Icon::Information: return QMessageBox::Information;
    case Ui::Icon::Warning: return QMessageBox::Warning;
    case Ui::Icon::Error: return QMessageBox::Critical;
    case Ui::Icon::Question: return QMessageBox::Question;
    case Ui::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Ui::Buttons buttons)
{
    switch (buttons) {
    case Ui::Buttons::Ok: return QMessageBox::Ok;
    case Ui::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Ui::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Ui::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toQt(Ui::Answer answer)
{
    switch (answer) {
    case Ui::Answer::Ok: return QMessageBox::Ok;
    case Ui::Answer::Cancel: return QMessageBox::Cancel;
    case Ui::Answer::Yes: return QMessageBox::Yes;
    case Ui::Answer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

} // namespace

Ui::Answer QtUi::showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons)
{
    return showQuestion(icon, title, text, buttons, firstButton(buttons));
}

Ui::Answer QtUi::showQuestion(Icon icon, const QString &title, const QString &text, Buttons buttons,
                              Answer preselected)
{
    QWidget *parent = QApplication::activeWindow() ? QApplication::activeWindow() : m_mainWindow.data();
    QMessageBox box(toQt(icon), title, text, toQt(buttons), parent);
    if (QAbstractButton *button = box.button(toQt(preselected)))
        box.setDefaultButton(qobject_cast<QPushButton *>(button));
    // A pending busy pointer must not hide the arrow over the box.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    QApplication::restoreOverrideCursor();
    switch (result) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

void QtUi::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUi::processEvents()
{
    // Serving the window every 1,001 singles would cost more than the work
    // itself on long lists: at most every EventPacer interval.
    if (m_eventPacer.due())
        QApplication::processEvents();
}

QtUi::QtUi() = default;

QtUi::~QtUi()
{
    m_transferHold.reset();
    delete m_connectionLog;
    delete m_progress;
}

ConnectionWindow &QtUi::connectionLog()
{
    if (!m_connectionLog) {
        m_connectionLog = new ConnectionWindow;
        QObject::connect(m_connectionLog, &ConnectionWindow::stopRequested, &HttpTransfer::stopRunning);
    }
    return *m_connectionLog;
}

void QtUi::showConnectionLog()
{
    connectionLog().showOver(m_mainWindow);
}

void QtUi::addConnectionLogLine(const QString &line)
{
    connectionLog().addLine(line);
}

void QtUi::appendConnectionLogText(const QString &text)
{
    connectionLog().appendToLastLine(text);
}

void QtUi::closeConnectionLog()
{
    if (m_connectionLog)
        m_connectionLog->closeLog(m_mainWindow);
    else if (m_mainWindow)
        m_mainWindow->update();
}

void QtUi::beginTransfer()
{
    ConnectionWindow &log = connectionLog();
    log.setStopEnabled(true);
    m_transferHold = std::make_unique<TransferInputHold>(&log, m_mainWindow);
}

void QtUi::endTransfer()
{
    m_transferHold.reset();
    if (m_connectionLog)
        m_connectionLog->setStopEnabled(false);
}

ProgressWindow &QtUi::progressWindow()
{
    if (!m_progress)
        m_progress = new ProgressWindow(m_mainWindow);
    return *m_progress;
}

void QtUi::showProgress(const QString &message)
{
    ProgressWindow &window = progressWindow();
    window.resetStop();
    window.setMessage(message);
    window.setMax(1);
    window.setValue(0);
    window.show();
    window.raise();
    window.repaint();
}

void QtUi::setProgressMessage(const QString &message)
{
    if (m_progress)
        m_progress->setMessage(message);
}

void QtUi::setProgressMax(qint32 max)
{
    if (m_progress)
        m_progress->setMax(max);
}

void QtUi::setProgressValue(qint32 value)
{
    if (m_progress)
        m_progress->setValue(value);
}

void QtUi::closeProgress()
{
    if (m_progress)
        m_progress->hide();
}

void QtUi::setProgressStoppable(bool stoppable)
{
    if (m_progress)
        m_progress->setStoppable(stoppable);
}

bool QtUi::progressStopRequested() const
{
    return m_progress && m_progress->stopRequested();
}

void QtUi::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}
