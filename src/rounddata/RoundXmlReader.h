#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/RoundXmlValue.h"
#include "support/RuntimeError.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <functional>

// The path-key reader of the round files. The text is cut into lines before
// every "<" and after every ">" (and at CR LF), each line trimmed. Tag lines
// go on a stack of open elements whose bottom entry is never removed; a
// closing tag must match the top. Every other line is a value, handed to the
// field setter with its key: the stack entries below <BIG> and the record
// element, concatenated ("<指定試合><番号>"). Values outside <BIG> and the
// record element get an empty key.
//
// Besides a closing tag out of order, a text that never opens the record
// element under <BIG> (an empty file, another kind of file, bytes that are not
// Shift_JIS) and a text that ends inside an element (a truncated file) are
// malformed: loading them would otherwise replace a good record with a
// partial or empty one.
class RoundXmlReader
{
public:
    enum class Outcome { Read, Malformed };
    using FieldSetter = std::function<void(const QString &key, QStringView value)>;

    // The field setter may throw RuntimeError; it leaves through read().
    static Outcome read(QStringView text, QStringView recordElement, const FieldSetter &setField);
};

// The fresh record of one load and the match that the last <番号> selected.
template<typename Record>
struct RoundReading
{
    Record record;
    int match = 0;

    void selectMatch(QStringView value)
    {
        match = RoundXmlValue::toLong(value);
        checkMatch();
    }

    auto &game()
    {
        checkMatch();
        return record.game[std::size_t(match)];
    }

private:
    void checkMatch() const
    {
        if (match < 1 || match > RoundData::MatchCount)
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    }
};

// The field setters of one file kind, by key.
template<typename Record>
using RoundFieldSetters = QHash<QString, void (*)(RoundReading<Record> &, QStringView)>;

// The keys every round file reads alike: the round number, the round dates
// (<結果速報発表日> being the older name of <結果発表日>) and, per match, its
// number, teams and day.
template<typename Record>
void addCommonSetters(RoundFieldSetters<Record> &setters)
{
    using Reading = RoundReading<Record>;
    using namespace RoundXmlValue;
    const RoundFieldSetters<Record> common{
        {QStringLiteral("<開催回>"), [](Reading &r, QStringView v) { r.record.roundNumber = toLong(v); }},
        {QStringLiteral("<販売開始日>"), [](Reading &r, QStringView v) { r.record.saleStart = toDate(v); }},
        {QStringLiteral("<販売終了日>"), [](Reading &r, QStringView v) { r.record.saleEnd = toDate(v); }},
        {QStringLiteral("<結果発表日>"), [](Reading &r, QStringView v) { r.record.resultDate = toDate(v); }},
        {QStringLiteral("<結果速報発表日>"), [](Reading &r, QStringView v) { r.record.resultDate = toDate(v); }},
        {QStringLiteral("<払戻開始日>"), [](Reading &r, QStringView v) { r.record.refundStart = toDate(v); }},
        {QStringLiteral("<払戻期限>"), [](Reading &r, QStringView v) { r.record.refundEnd = toDate(v); }},
        {QStringLiteral("<指定試合><番号>"), [](Reading &r, QStringView v) { r.selectMatch(v); }},
        {QStringLiteral("<指定試合><ホーム>"), [](Reading &r, QStringView v) { r.game().home = v.toString(); }},
        {QStringLiteral("<指定試合><アウェイ>"), [](Reading &r, QStringView v) { r.game().away = v.toString(); }},
        {QStringLiteral("<指定試合><試合開催日>"), [](Reading &r, QStringView v) { r.game().gameDate = toDate(v); }},
    };
    setters.insert(common);
}
