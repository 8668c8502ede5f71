#pragma once

#include "lottery/SingleCode.h"

#include <QString>
#include <QtGlobal>

#include <span>

class Clipboard;

// Copies the list of singles to the clipboard as plain text, one single per
// line ("01:10211102201121", numbered with as many digits as the count has)
// or one single per column (a line per match, "01 " and then the match's
// mark of every single, a space after every tenth). At most 10,000 singles
// are copied; a longer list is refused with a message.
class ClipboardExport
{
public:
    // The layouts of the menu: one single per line, one single per column.
    static constexpr qint16 LayoutRows = 3;
    static constexpr qint16 LayoutColumns = 4;
    static constexpr qsizetype MaxSingles = 10000;

    explicit ClipboardExport(Clipboard &clipboard);

    // Puts the text of the layout on the clipboard and confirms it. Nothing
    // happens for an empty text (an empty list in rows, a refused list, any
    // other layout).
    void clipExport(qint16 league, std::span<const qint32> singles) const;

    // The texts of the two layouts; empty after refusing a list that is too long.
    QString getRowText(std::span<const qint32> singles) const;
    QString getColumnText(std::span<const qint32> singles) const;

private:
    // False, after the warning, when the list is too long to copy.
    static bool withinLimit(std::span<const qint32> singles);

    Clipboard &m_clipboard;
    SingleCode m_number;
};
