#include "gui/TransferInputHold.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

TransferInputHold::TransferInputHold(QWidget *stopWindow, QWidget *mainWindow)
    : m_stopWindow(stopWindow)
{
    if (mainWindow) {
        for (QAction *action : mainWindow->findChildren<QAction *>()) {
            // A menu stays open so that 終了 can be reached.
            if (action->menu() || action->menuRole() == QAction::QuitRole || !action->isEnabled())
                continue;
            m_disabled.append({action, true});
            action->setEnabled(false);
        }
    }
    qApp->installEventFilter(this);
}

TransferInputHold::~TransferInputHold()
{
    qApp->removeEventFilter(this);
    for (const auto &[action, enabled] : m_disabled) {
        if (action)
            action->setEnabled(enabled);
    }
}

bool TransferInputHold::eventFilter(QObject *watched, QEvent *event)
{
    if (!isUserInput(event->type()))
        return false;
    if (const auto *widget = qobject_cast<const QWidget *>(watched))
        return !reachable(widget);
    // Shortcuts come to their action; only the enabled ones (終了) may run.
    if (const auto *action = qobject_cast<const QAction *>(watched))
        return !action->isEnabled();
    return false;
}

bool TransferInputHold::reachable(const QWidget *widget) const
{
    return (m_stopWindow && (widget == m_stopWindow || m_stopWindow->isAncestorOf(widget)))
        || qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget);
}
