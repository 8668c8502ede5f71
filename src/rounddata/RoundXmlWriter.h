#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/RoundXmlValue.h"

#include <QString>
#include <QStringView>

// Renders one round file: the declaration, the stylesheet line, <BIG> and the
// record element, then containers and leaves one per line, each line ending
// in CR LF, without indentation and without escaping. A "<" or ">" in a value
// is written full width (＜, ＞): the reader splits lines at them.
class RoundXmlWriter
{
public:
    RoundXmlWriter(QStringView stylesheet, QStringView recordElement);

    // One leaf line: "<name>value</name>" and CR LF, the value's "<" and ">"
    // written as "＜" and "＞".
    static QString getTagValue(QStringView name, QStringView value);

    void open(QStringView name);
    void close(QStringView name);
    void leaf(QStringView name, QStringView value);
    void leaf(QStringView name, const QString &value) { leaf(name, QStringView(value)); }
    void leaf(QStringView name, qint64 value) { leaf(name, RoundXmlValue::text(value)); }
    void leaf(QStringView name, Money value) { leaf(name, RoundXmlValue::text(value)); }
    void leaf(QStringView name, OleDate value) { leaf(name, RoundXmlValue::text(value)); }

    // <開催回>, and <組> when the round has a group.
    void round(qint32 roundNumber, const QString &group);

    // The 14 <指定試合> blocks, each opening with its <番号>; writeGame
    // writes the rest of one block.
    template<typename Game, typename WriteGame>
    void matches(const RoundGames<Game> &games, WriteGame &&writeGame)
    {
        for (int match = 1; match <= RoundData::MatchCount; ++match) {
            open(u"指定試合");
            leaf(u"番号", match);
            writeGame(games[std::size_t(match)]);
            close(u"指定試合");
        }
    }

    // Closes the record element and <BIG> and hands over the whole text.
    QString finish();

private:
    void line(QStringView text);

    QString m_text;
    QString m_recordElement;
};
