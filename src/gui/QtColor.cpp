#include "gui/QtColor.h"

#include "support/WinColor.h"

#include <QGuiApplication>

namespace QtColor {

namespace {

// The window system's colour indexes and the palette roles that play them.
QPalette::ColorRole systemRole(int index)
{
    switch (index) {
    case 5: return QPalette::Base;                 // window background
    case 6: return QPalette::Dark;                 // window frame
    case 7: return QPalette::Text;                 // menu text
    case 8: return QPalette::Text;                 // window text
    case 9: return QPalette::HighlightedText;      // caption text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;              // button face
    case 16: return QPalette::Mid;                 // button shadow
    case 17: return QPalette::PlaceholderText;     // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;               // button highlight
    case 21: return QPalette::Shadow;              // dark shadow
    case 22: return QPalette::Midlight;            // 3-D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;              // desktop, menus, scroll bars, app workspace
    }
}

} // namespace

QColor fromWin(quint32 color, const QPalette &palette)
{
    if (WinColor::isSystem(color))
        return palette.color(QPalette::Active, systemRole(WinColor::systemIndex(color)));
    return QColor(WinColor::red(color), WinColor::green(color), WinColor::blue(color));
}

QColor fromWin(quint32 color)
{
    return fromWin(color, QGuiApplication::palette());
}

} // namespace QtColor
