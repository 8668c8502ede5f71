#include "gui/QtUi.h"

#include "gui/frmWinInet.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QVBoxLayout>

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

QWidget &QtUi::progressWindow()
{
    if (m_progress)
        return *m_progress;
    m_progress = new QWidget(m_mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint);
    m_progress->setObjectName(QStringLiteral("frmWaitDialog"));
    m_progress->setWindowTitle(QStringLiteral(" 処理中 . . ."));
    m_progressMessage = new QLabel;
    m_progressMessage->setObjectName(QStringLiteral("lblMsg"));
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("barProgress"));
    m_progressBar->setTextVisible(false);
    auto *layout = new QVBoxLayout(m_progress);
    layout->addWidget(new QLabel(QStringLiteral("しばらくお待ち下さい")));
    layout->addWidget(m_progressMessage);
    layout->addWidget(m_progressBar);
    m_progress->resize(300, 100);
    return *m_progress;
}

void QtUi::showProgress(const QString &message)
{
    QWidget &window = progressWindow();
    m_progressMessage->setText(message);
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(0);
    window.show();
    window.raise();
    window.repaint();
}

void QtUi::setProgressMessage(const QString &message)
{
    if (!m_progress)
        return;
    m_progressMessage->setText(message);
    m_progressMessage->repaint();
}

void QtUi::setProgressMax(qint32 max)
{
    // The bar is filled in proportion value / max; nothing to fill below 1.
    if (m_progress)
        m_progressBar->setRange(0, std::max(max, 1));
}

void QtUi::setProgressValue(qint32 value)
{
    if (m_progress)
        m_progressBar->setValue(std::clamp(value, 0, m_progressBar->maximum()));
}

void QtUi::closeProgress()
{
    if (m_progress)
        m_progress->hide();
    if (m_mainWindow)
        m_mainWindow->update();
}
