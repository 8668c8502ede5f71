#include "rounddata/VoteFile.h"

#include "rounddata/RoundXmlWriter.h"

#include <QHash>

using namespace RoundXmlValue;

namespace {

using Reading = RoundReading<VoteData>;
using FieldSetters = RoundFieldSetters<VoteData>;

// The vote-share groups by mark: 0 other, 1 home win, 2 home loss.
const std::array<QString, RoundData::MarkCount> shareElements{
    QStringLiteral("その他"), QStringLiteral("ホーム勝ち"), QStringLiteral("ホーム負け")};

template<int Mark>
void setCount(Reading &reading, QStringView value)
{
    reading.game().votes[Mark].count = toMoney(value);
}

template<int Mark>
void setRate(Reading &reading, QStringView value)
{
    reading.game().votes[Mark].rate = toMoney(value);
}

template<int Mark>
void addShareSetters(FieldSetters &setters)
{
    const QString group = QStringLiteral("<指定試合><") + shareElements[Mark] + u'>';
    setters.insert(group + QStringLiteral("<投票口数>"), setCount<Mark>);
    setters.insert(group + QStringLiteral("<投票率>"), setRate<Mark>);
}

FieldSetters buildFieldSetters()
{
    FieldSetters setters{
        {QStringLiteral("<販売終了時点>"), [](Reading &r, QStringView v) { r.record.voteTime = toDate(v); }},
        {QStringLiteral("<売上金額><合計>"), [](Reading &r, QStringView v) { r.record.salesTotal = toMoney(v); }},
        {QStringLiteral("<売上金額><マルチ>"), [](Reading &r, QStringView v) { r.record.salesMulti = toMoney(v); }},
        {QStringLiteral("<売上金額><シングル>"), [](Reading &r, QStringView v) { r.record.salesSingle = toMoney(v); }},
        {QStringLiteral("<投票口数><合計>"), [](Reading &r, QStringView v) { r.record.unitsTotal = toMoney(v); }},
        {QStringLiteral("<投票口数><マルチ>"), [](Reading &r, QStringView v) { r.record.unitsMulti = toMoney(v); }},
        {QStringLiteral("<投票口数><シングル>"), [](Reading &r, QStringView v) { r.record.unitsSingle = toMoney(v); }},
        {QStringLiteral("<投票枚数><合計>"), [](Reading &r, QStringView v) { r.record.sheetsTotal = toMoney(v); }},
        {QStringLiteral("<投票枚数><マルチ>"), [](Reading &r, QStringView v) { r.record.sheetsMulti = toMoney(v); }},
        {QStringLiteral("<投票枚数><シングル>"),
         [](Reading &r, QStringView v) { r.record.sheetsSingle = toMoney(v); }},
        {QStringLiteral("<指定試合><試合開始予定時間>"),
         [](Reading &r, QStringView v) { r.game().startTime = toDate(v); }},
    };
    addCommonSetters(setters);
    addShareSetters<0>(setters);
    addShareSetters<1>(setters);
    addShareSetters<2>(setters);
    return setters;
}

const FieldSetters &fieldSetters()
{
    static const FieldSetters setters = buildFieldSetters();
    return setters;
}

} // namespace

QString VoteFile::getFileName(qint32 roundNumber, const QString &group) const
{
    return RoundXmlFile::fileName(u"BIG_Vote", u"big_vote_", roundNumber, group);
}

bool VoteFile::xmlSave(const QString &fileName) const
{
    return m_file.save(fileName, [this] { return getXmlString(); });
}

bool VoteFile::xmlLoad(const QString &fileName)
{
    return m_file.load(fileName, [this](const QString &text) { return setXmlString(text); });
}

QString VoteFile::getXmlString() const
{
    const VoteData &vote = m_vote;
    RoundXmlWriter xml(u"big_vote.xsl", u"投票状況");
    xml.round(vote.roundNumber, vote.group);
    xml.leaf(u"販売終了時点", vote.voteTime);
    xml.matches(vote.game, [&xml](const VoteGame &game) {
        xml.leaf(u"試合開催日", game.gameDate);
        xml.leaf(u"試合開始予定時間", game.startTime);
        xml.leaf(u"ホーム", game.home);
        xml.leaf(u"アウェイ", game.away);
        for (int mark = 0; mark < RoundData::MarkCount; ++mark) {
            const VoteShare &share = game.votes[std::size_t(mark)];
            xml.open(shareElements[std::size_t(mark)]);
            xml.leaf(u"投票口数", share.count);
            xml.leaf(u"投票率", share.rate);
            xml.close(shareElements[std::size_t(mark)]);
        }
    });
    return xml.finish();
}

bool VoteFile::setXmlString(const QString &xml)
{
    return m_file.readRecord(xml, u"<投票状況>", fieldSetters(), m_vote);
}
