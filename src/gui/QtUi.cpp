#include "gui/QtUi.h"

#include "gui/frmWaitDialog.h"
#include "gui/frmWinInet.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QMessageBox>

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

} // namespace

Ui::Answer QtUi::showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons)
{
    QWidget *parent = QApplication::activeWindow() ? QApplication::activeWindow() : m_mainWindow.data();
    QMessageBox box(toQt(icon), title, text, toQt(buttons), parent);
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
    QApplication::processEvents();
}

QtUi::~QtUi()
{
    delete m_connectionLog;
    delete m_progress;
}

void QtUi::showProgress()
{
    if (!m_progress)
        m_progress = new frmWaitDialog(m_mainWindow);
    m_progress->show();
    m_progress->raise();
    m_progress->repaint();
}

void QtUi::setProgressMessage(const QString &message)
{
    if (m_progress)
        m_progress->setMessage(message);
}

void QtUi::setProgressValue(qint32 value, qint32 max)
{
    if (m_progress)
        m_progress->setProgress(value, max);
}

void QtUi::closeProgress()
{
    delete m_progress;
}

void QtUi::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

frmWinInet &QtUi::connectionLog()
{
    if (!m_connectionLog)
        m_connectionLog = new frmWinInet;
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
