#pragma once

#include <QString>
#include <QStringView>

// The text without its leading and trailing spaces. Only the space character
// counts: a tab or an ideographic space is part of the text, as in the
// program's files and input fields.
inline QString trimSpaces(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}
