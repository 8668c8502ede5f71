#include "app/NumberEntry.h"

#include "support/AppInfo.h"
#include "support/Ui.h"

#include <algorithm>

namespace NumberEntry {

namespace {

bool isMark(QChar character)
{
    return character == u'0' || character == u'1' || character == u'2';
}

} // namespace

bool acceptsKey(QChar character)
{
    return isMark(character) || character == u'\b';
}

bool okEnabled(const QString &text)
{
    return text.size() == length;
}

QString accept(const QString &text)
{
    if (text.size() != length) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(), QStringLiteral("すべてのデータを入力して下さい"));
        return QString();
    }
    // Pasted text can hold anything.
    if (!std::all_of(text.begin(), text.end(), isMark)) {
        Ui::instance().showMessage(Ui::Icon::Warning, AppInfo::title(), QStringLiteral("入力データが異常です。"));
        return QString();
    }
    return text;
}

} // namespace NumberEntry
