#pragma once

#include <QtGlobal>

// Colours as the window system writes them: &HBBGGRR, blue in the high byte.
// A value with the top bit set names a system colour by its index (the button
// face is &H8000000F); the window layer maps those to the palette.
namespace WinColor {

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

constexpr quint32 SystemFlag = 0x80000000u;

constexpr bool isSystem(quint32 color) { return (color & SystemFlag) != 0; }
constexpr int systemIndex(quint32 color) { return int(color & 0xFFu); }
constexpr int red(quint32 color) { return int(color & 0xFFu); }
constexpr int green(quint32 color) { return int(color >> 8 & 0xFFu); }
constexpr int blue(quint32 color) { return int(color >> 16 & 0xFFu); }

constexpr quint32 Black = 0x000000;
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 Blue = 0xFF0000;
constexpr quint32 Red = 0x0000FF;
constexpr quint32 Yellow = 0x00FFFF;
constexpr quint32 Green = 0x00FF00;
// Alternate table rows.
constexpr quint32 LightYellow = 0xE0FFFF;
// Grid lines.
constexpr quint32 GridLine = rgb(192, 192, 192);
// Header rows: the system's button face.
constexpr quint32 ButtonFace = 0x8000000F;

} // namespace WinColor
