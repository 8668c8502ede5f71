#include "gui/QtUi.h"

#include "gui/frmWinInet.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    QApplication::processEvents();
}

QtUi::~QtUi()
{
    delete m_connectionLog;
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
