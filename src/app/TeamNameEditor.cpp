#include "app/TeamNameEditor.h"

#include "lottery/TeamNames.h"
#include "support/TextCodec.h"
#include "support/TextWidth.h"
#include "support/TrimSpaces.h"
#include "support/Ui.h"
#include "support/TextFile.h"
#include "support/PathRules.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// Texts that the file's reader would not give back as the same entry: an "="
// in the short name splits the line there, a leading ";" or "//" makes the
// line a comment, a line break splits the entry in two, and a character
// without a windows-31j form is written as a substitute.
bool isUnreadableShortName(const QString &shortName)
{
    return shortName.contains(u'=') || shortName.startsWith(u';') || shortName.startsWith(QStringLiteral("//"))
           || hasLineBreak(shortName) || !TextCodec::isSjisEncodable(shortName);
}

bool isUnreadableLongName(const QString &longName)
{
    return hasLineBreak(longName) || !TextCodec::isSjisEncodable(longName);
}

} // namespace

QString TeamNameEditor::presetShortName()
{
    return TextWidth::toHalfWidth(TeamNames::missingTeamName());
}

QString TeamNameEditor::presetFullName()
{
    return TeamNames::missingTeamName();
}

bool TeamNameEditor::add(const QString &enteredShortName, const QString &enteredLongName) const
{
    QString text;
    if (!readUserFile(text))
        return false;

    const TeamNames totoData;
    const QString shortName = trimSpaces(enteredShortName);
    const QString longName = trimSpaces(enteredLongName);

    QString message = invalidInputMessage(enteredShortName, shortName, longName);
    if (message.isEmpty() && totoData.existsLongTeamName(longName))
        message = QStringLiteral("名称(") + longName + QStringLiteral(")は既に登録されています。");
    if (!message.isEmpty()) {
        Ui::instance().showMessage(Ui::Icon::Warning, QStringLiteral("入力エラー"), message);
        return false;
    }

    // A file edited by hand may lack the line end after its last line.
    if (!text.isEmpty() && !text.endsWith(crlf))
        text += crlf;
    if (!TextFile().saveToFile(TeamNames::userFileName(), text + entryLine(shortName, longName)))
        return false;

    TeamNames::clearMissingTeamName();
    Ui::instance().showMessage(Ui::Icon::Information, QStringLiteral("チーム名追加"),
                               QStringLiteral("チーム名(") + enteredLongName + QStringLiteral(")を追加しました。"));
    return true;
}

// The text of TeamName3.dat; a missing file is created at once with its
// comment line. A file that exists but cannot be read is never replaced:
// the user's additions in it would be lost.
bool TeamNameEditor::readUserFile(QString &text)
{
    const QString fileName = TeamNames::userFileName();
    TextFile stream;
    stream.setErrMessage(false);
    if (PathRules::fileExists(fileName))
        return stream.loadFromFile(fileName, text);
    text = QStringLiteral(";Quorvel TeamName User Data File (TeamName3.dat)") + crlf;
    return stream.saveToFile(fileName, text);
}

QString TeamNameEditor::invalidInputMessage(const QString &enteredShortName, const QString &shortName,
                                            const QString &longName)
{
    if (shortName.isEmpty())
        return QStringLiteral("略称を入力して下さい。");
    if (longName.isEmpty())
        return QStringLiteral("名称を入力して下さい。");
    if (enteredShortName.size() > maxShortNameLength)
        return QStringLiteral("略称は6文字以内で入力して下さい。");
    if (isUnreadableShortName(shortName))
        return QStringLiteral("略称に使用できない文字が含まれています。");
    if (isUnreadableLongName(longName))
        return QStringLiteral("名称に使用できない文字が含まれています。");
    return QString();
}

QString TeamNameEditor::entryLine(const QString &shortName, const QString &longName)
{
    return shortName.leftJustified(maxShortNameLength, u' ') + QStringLiteral(" = ") + longName + crlf;
}
