#include "evaluation/ResultAssumptionFile.h"

#include "support/Convert.h"
#include "support/Format.h"
#include "support/RuntimeError.h"
#include "support/TextFile.h"
#include "support/PathRules.h"

#include <QStringList>

namespace {

constexpr int Matches = 14;
constexpr int Outcomes = 3;
const QString LineEnd = QStringLiteral("\r\n");

// An empty text splits into nothing, not into one empty part.
QStringList split(const QString &text, const QString &separator)
{
    return text.isEmpty() ? QStringList() : text.split(separator);
}

const QString &entry(const QStringList &list, int index)
{
    if (index >= list.size())
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    return list[index];
}

// A value the file may hold: none, official, assumed or cancelled. Any other
// number is no state of a match (the grading would read 256 as a miss).
qint32 gameState(const QString &text)
{
    const qint32 value = Convert::toLong(text);
    if (value < 0 || value > 3)
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return value;
}

} // namespace

ResultAssumptionFile::ResultAssumptionFile(qint32 roundNumber, const QString &group)
    : m_path(QStringLiteral("SysData\\Temp\\BIG_Result_") + Format::zeroPadded(roundNumber, 3)
             + (group.isEmpty() ? QString() : u'_' + group) + QStringLiteral(".dat"))
{
}

bool ResultAssumptionFile::exists() const
{
    return PathRules::fileExists(m_path);
}

void ResultAssumptionFile::remove() const
{
    if (!PathRules::deleteFile(m_path))
        throw RuntimeError::fromNumber(RuntimeError::PermissionDenied);
}

void ResultAssumptionFile::read(GameStateTable &table) const
{
    TextFile stream;
    QString text;
    // An unreadable file has been reported by the stream; it reads as no lines.
    if (!stream.loadFromFile(m_path, text))
        text.clear();
    parse(text, table);
}

bool ResultAssumptionFile::write(const GameStateTable &table) const
{
    return TextFile().saveToFile(m_path, render(table));
}

QString ResultAssumptionFile::render(const GameStateTable &table)
{
    QString text;
    for (const auto &values : table)
        text += QString::number(values[0]) + u',' + QString::number(values[1]) + u',' + QString::number(values[2])
            + LineEnd;
    return text;
}

void ResultAssumptionFile::parse(const QString &text, GameStateTable &table)
{
    const QStringList lines = split(text, LineEnd);
    for (int match = 0; match < Matches; ++match) {
        const QStringList fields = split(entry(lines, match), QStringLiteral(","));
        for (int outcome = 0; outcome < Outcomes; ++outcome)
            table[std::size_t(match)][std::size_t(outcome)] = gameState(entry(fields, outcome));
    }
}
