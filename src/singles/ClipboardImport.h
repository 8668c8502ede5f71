#pragma once

#include "lottery/SingleCode.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

class Clipboard;

// Takes singles from text copied to the clipboard: every line that spells
// one single as 14 mark digits "0", "1", "2", match 1 first. Lines are
// separated by CR LF only. Half-width spaces in a line are dropped, and so is
// a label ending in a half-width colon in front of the marks
// ("0001:10211102201121", "No.5 : 1021 1102 2011 21"); every other line is
// passed over without a word.
class ClipboardImport
{
public:
    // The one format: one single per line.
    static constexpr qint16 FormatLines = 0;

    explicit ClipboardImport(Clipboard &clipboard);

    // For FormatLines: the singles of the clipboard's lines in their order
    // (count 0 and an empty list when there are none). Any other format
    // leaves both alone.
    void clipImport(qint16 index, qint32 &singleCount, std::vector<qint32> &singles) const;

    // The singles of a text by the same rules.
    std::vector<qint32> singlesOfText(const QString &text) const;

private:
    // The line without its half-width spaces and without anything up to its
    // first half-width colon.
    static QString cleanedLine(QStringView line);
    static bool isMarkLine(QStringView line);

    Clipboard &m_clipboard;
    SingleCode m_number;
};
