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
    reading.game().Votes[Mark].Count = toMoney(value);
}

template<int Mark>
void setRate(Reading &reading, QStringView value)
{
    reading.game().Votes[Mark].Rate = toMoney(value);
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
        {QStringLiteral("<販売終了時点>"), [](Reading &r, QStringView v) { r.record.VoteTime = toDate(v); }},
        {QStringLiteral("<売上金額><合計>"), [](Reading &r, QStringView v) { r.record.SalesTotal = toMoney(v); }},
        {QStringLiteral("<売上金額><マルチ>"), [](Reading &r, QStringView v) { r.record.SalesMulti = toMoney(v); }},
        {QStringLiteral("<売上金額><シングル>"), [](Reading &r, QStringView v) { r.record.SalesSingle = toMoney(v); }},
        {QStringLiteral("<投票口数><合計>"), [](Reading &r, QStringView v) { r.record.UnitsTotal = toMoney(v); }},
        {QStringLiteral("<投票口数><マルチ>"), [](Reading &r, QStringView v) { r.record.UnitsMulti = toMoney(v); }},
        {QStringLiteral("<投票口数><シングル>"), [](Reading &r, QStringView v) { r.record.UnitsSingle = toMoney(v); }},
        {QStringLiteral("<投票枚数><合計>"), [](Reading &r, QStringView v) { r.record.SheetsTotal = toMoney(v); }},
        {QStringLiteral("<投票枚数><マルチ>"), [](Reading &r, QStringView v) { r.record.SheetsMulti = toMoney(v); }},
        {QStringLiteral("<投票枚数><シングル>"),
         [](Reading &r, QStringView v) { r.record.SheetsSingle = toMoney(v); }},
        {QStringLiteral("<指定試合><試合開始予定時間>"),
         [](Reading &r, QStringView v) { r.game().StartTime = toDate(v); }},
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

QString clsXmlVote::GetFileName(qint32 lngKaisaikai, const QString &strKumi) const
{
    return RoundXmlFile::fileName(u"BIG_Vote", u"big_vote_", lngKaisaikai, strKumi);
}

bool clsXmlVote::XmlSave(const QString &strFileName) const
{
    return m_file.save(strFileName, [this] { return GetXmlString(); });
}

bool clsXmlVote::XmlLoad(const QString &strFileName)
{
    return m_file.load(strFileName, [this](const QString &text) { return SetXmlString(text); });
}

QString clsXmlVote::GetXmlString() const
{
    const VoteData &vote = m_vote;
    RoundXmlWriter xml(u"big_vote.xsl", u"投票状況");
    xml.round(vote.Kaisaikai, vote.Kumi);
    xml.leaf(u"販売終了時点", vote.VoteTime);
    xml.matches(vote.Game, [&xml](const VoteGame &game) {
        xml.leaf(u"試合開催日", game.GameDate);
        xml.leaf(u"試合開始予定時間", game.StartTime);
        xml.leaf(u"ホーム", game.Home);
        xml.leaf(u"アウェイ", game.Away);
        for (int mark = 0; mark < RoundData::MarkCount; ++mark) {
            const VoteShare &share = game.Votes[std::size_t(mark)];
            xml.open(shareElements[std::size_t(mark)]);
            xml.leaf(u"投票口数", share.Count);
            xml.leaf(u"投票率", share.Rate);
            xml.close(shareElements[std::size_t(mark)]);
        }
    });
    return xml.finish();
}

bool clsXmlVote::SetXmlString(const QString &strXML)
{
    return m_file.readRecord(strXML, u"<投票状況>", fieldSetters(), m_vote);
}
