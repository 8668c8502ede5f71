#include "rounddata/ResultFile.h"

#include "lottery/LotteryRules.h"
#include "rounddata/RoundXmlWriter.h"

#include <QHash>
#include <utility>

using namespace RoundXmlValue;

namespace {

const QString cancelledState = QStringLiteral("中止");
const QString prizeElement = QStringLiteral("当せん金");
const QString winnersElement = QStringLiteral("当せん口数");
const QString carryOverElement = QStringLiteral("次回への繰越金");

using Reading = RoundReading<ResultData>;
using FieldSetters = RoundFieldSetters<ResultData>;

template<GradeAmounts ResultData::*Group, int Grade>
void setGradeAmount(Reading &reading, QStringView value)
{
    (reading.record.*Group)[Grade] = toMoney(value);
}

template<GradeAmounts ResultData::*Group, int... Grade>
void addGradeSetters(FieldSetters &setters, const QString &groupElement,
                     std::integer_sequence<int, Grade...>)
{
    const QString group = u'<' + groupElement + u'>';
    (setters.insert(group + u'<' + ResultFile::getGradeName(Grade + 1) + u'>',
                    setGradeAmount<Group, Grade + 1>),
     ...);
}

void setCancelled(Reading &reading, QStringView value)
{
    if (value == cancelledState)
        reading.record.Cancelled = true;
}

FieldSetters buildFieldSetters()
{
    FieldSetters setters{
        // A cancelled round keeps its refund dates under names of their own.
        {QStringLiteral("<返還確定日>"), [](Reading &r, QStringView v) { r.record.resultDate = toDate(v); }},
        {QStringLiteral("<返還開始日>"), [](Reading &r, QStringView v) { r.record.refundStart = toDate(v); }},
        {QStringLiteral("<返還期限>"), [](Reading &r, QStringView v) { r.record.refundEnd = toDate(v); }},
        {QStringLiteral("<売上金額>"), [](Reading &r, QStringView v) { r.record.sales = toMoney(v); }},
        {QStringLiteral("<投票口数>"), [](Reading &r, QStringView v) { r.record.units = toMoney(v); }},
        {QStringLiteral("<投票枚数>"), [](Reading &r, QStringView v) { r.record.sheets = toMoney(v); }},
        {QStringLiteral("<開催状態>"), setCancelled},
        {QStringLiteral("<指定試合><くじ結果>"), [](Reading &r, QStringView v) { r.game().Outcome = toByte(v); }},
        {QStringLiteral("<指定試合><競技場>"), [](Reading &r, QStringView v) { r.game().stadium = v.toString(); }},
        {QStringLiteral("<指定試合><ホーム得点>"), [](Reading &r, QStringView v) { r.game().homeScore = toByte(v); }},
        {QStringLiteral("<指定試合><アウェイ得点>"),
         [](Reading &r, QStringView v) { r.game().awayScore = toByte(v); }},
    };
    addCommonSetters(setters);
    const auto grades = std::make_integer_sequence<int, RoundData::GradeCount>();
    addGradeSetters<&ResultData::prize>(setters, prizeElement, grades);
    addGradeSetters<&ResultData::winners>(setters, winnersElement, grades);
    addGradeSetters<&ResultData::carryOver>(setters, carryOverElement, grades);
    return setters;
}

const FieldSetters &fieldSetters()
{
    static const FieldSetters setters = buildFieldSetters();
    return setters;
}

void writeGradeGroup(RoundXmlWriter &xml, const QString &groupElement, const GradeAmounts &amounts, int maxGrade)
{
    xml.open(groupElement);
    for (int grade = 1; grade <= maxGrade; ++grade)
        xml.leaf(ResultFile::getGradeName(grade), amounts[std::size_t(grade)]);
    xml.close(groupElement);
}

} // namespace

QString ResultFile::getGradeName(int grade)
{
    static const std::array<QString, RoundData::GradeCount> names{
        QStringLiteral("一等"), QStringLiteral("二等"), QStringLiteral("三等"),
        QStringLiteral("四等"), QStringLiteral("五等"), QStringLiteral("六等")};
    if (grade < 1 || grade > RoundData::GradeCount)
        return QString();
    return names[std::size_t(grade - 1)];
}

QString ResultFile::getFileName(qint32 roundNumber, const QString &group) const
{
    return RoundXmlFile::fileName(u"BIG_Result", u"big_result_", roundNumber, group);
}

bool ResultFile::xmlSave(const QString &fileName) const
{
    return m_file.save(fileName, [this] { return render(); });
}

bool ResultFile::xmlLoad(const QString &fileName)
{
    return m_file.load(fileName, [this](const QString &text) {
        return m_file.readRecord(text, u"<結果>", fieldSetters(), m_result);
    });
}

QString ResultFile::render() const
{
    const ResultData &result = m_result;
    RoundXmlWriter xml(u"big_result.xsl", u"結果");
    xml.round(result.roundNumber, result.group);
    xml.matches(result.game, [&xml](const ResultGame &game) {
        xml.leaf(u"くじ結果", game.Outcome);
        xml.leaf(u"ホーム", game.home);
        xml.leaf(u"アウェイ", game.away);
        xml.leaf(u"ホーム得点", game.homeScore);
        xml.leaf(u"アウェイ得点", game.awayScore);
    });
    if (result.Cancelled) {
        xml.leaf(u"開催状態", cancelledState);
        xml.leaf(u"返還確定日", result.resultDate);
        xml.leaf(u"返還開始日", result.refundStart);
        xml.leaf(u"返還期限", result.refundEnd);
        return xml.finish();
    }
    const int maxGrade = LotteryRules::shared().getMaxGrade(result.roundNumber);
    writeGradeGroup(xml, prizeElement, result.prize, maxGrade);
    writeGradeGroup(xml, winnersElement, result.winners, maxGrade);
    writeGradeGroup(xml, carryOverElement, result.carryOver, maxGrade);
    xml.leaf(u"販売開始日", result.saleStart);
    xml.leaf(u"販売終了日", result.saleEnd);
    xml.leaf(u"結果発表日", result.resultDate);
    xml.leaf(u"払戻開始日", result.refundStart);
    xml.leaf(u"払戻期限", result.refundEnd);
    xml.leaf(u"売上金額", result.sales);
    xml.leaf(u"投票口数", result.units);
    xml.leaf(u"投票枚数", result.sheets);
    return xml.finish();
}
