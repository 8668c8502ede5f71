#include "gui/QtUi.h"

#include "gui/frmWinInet.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>

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

void QtUi::openProgress(const QString &message, qint32 max)
{
    closeProgress();
    m_progress = new QProgressDialog(m_mainWindow);
    m_progress->setWindowTitle(QStringLiteral(" 処理中 . . ."));
    m_progress->setLabelText(QStringLiteral("しばらくお待ち下さい\n") + message);
    m_progress->setCancelButton(nullptr);
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setRange(0, std::max(max, 0));
    m_progress->setValue(0);
    m_progress->show();
    // Painted before the work starts, not at the first pending events.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::setProgressValue(qint32 value)
{
    if (m_progress)
        m_progress->setValue(std::clamp(value, m_progress->minimum(), m_progress->maximum()));
}

void QtUi::closeProgress()
{
    delete m_progress;
}
