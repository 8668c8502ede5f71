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
    (setters.insert(group + u'<' + clsXmlResult::GetGradeName(Grade + 1) + u'>',
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
        {QStringLiteral("<返還確定日>"), [](Reading &r, QStringView v) { r.record.ResultDate = toDate(v); }},
        {QStringLiteral("<返還開始日>"), [](Reading &r, QStringView v) { r.record.RefundStart = toDate(v); }},
        {QStringLiteral("<返還期限>"), [](Reading &r, QStringView v) { r.record.RefundEnd = toDate(v); }},
        {QStringLiteral("<売上金額>"), [](Reading &r, QStringView v) { r.record.Sales = toMoney(v); }},
        {QStringLiteral("<投票口数>"), [](Reading &r, QStringView v) { r.record.Units = toMoney(v); }},
        {QStringLiteral("<投票枚数>"), [](Reading &r, QStringView v) { r.record.Sheets = toMoney(v); }},
        {QStringLiteral("<開催状態>"), setCancelled},
        {QStringLiteral("<指定試合><くじ結果>"), [](Reading &r, QStringView v) { r.game().Outcome = toByte(v); }},
        {QStringLiteral("<指定試合><競技場>"), [](Reading &r, QStringView v) { r.game().Stadium = v.toString(); }},
        {QStringLiteral("<指定試合><ホーム得点>"), [](Reading &r, QStringView v) { r.game().HomeScore = toByte(v); }},
        {QStringLiteral("<指定試合><アウェイ得点>"),
         [](Reading &r, QStringView v) { r.game().AwayScore = toByte(v); }},
    };
    addCommonSetters(setters);
    const auto grades = std::make_integer_sequence<int, RoundData::GradeCount>();
    addGradeSetters<&ResultData::Prize>(setters, prizeElement, grades);
    addGradeSetters<&ResultData::Winners>(setters, winnersElement, grades);
    addGradeSetters<&ResultData::CarryOver>(setters, carryOverElement, grades);
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
        xml.leaf(clsXmlResult::GetGradeName(grade), amounts[std::size_t(grade)]);
    xml.close(groupElement);
}

} // namespace

QString clsXmlResult::GetGradeName(int lngGrade)
{
    static const std::array<QString, RoundData::GradeCount> names{
        QStringLiteral("一等"), QStringLiteral("二等"), QStringLiteral("三等"),
        QStringLiteral("四等"), QStringLiteral("五等"), QStringLiteral("六等")};
    if (lngGrade < 1 || lngGrade > RoundData::GradeCount)
        return QString();
    return names[std::size_t(lngGrade - 1)];
}

QString clsXmlResult::GetFileName(qint32 lngKaisaikai, const QString &strKumi) const
{
    return RoundXmlFile::fileName(u"BIG_Result", u"big_result_", lngKaisaikai, strKumi);
}

bool clsXmlResult::XmlSave(const QString &strFileName) const
{
    return m_file.save(strFileName, [this] { return render(); });
}

bool clsXmlResult::XmlLoad(const QString &strFileName)
{
    return m_file.load(strFileName, [this](const QString &text) {
        return m_file.readRecord(text, u"<結果>", fieldSetters(), m_result);
    });
}

QString clsXmlResult::render() const
{
    const ResultData &result = m_result;
    RoundXmlWriter xml(u"big_result.xsl", u"結果");
    xml.round(result.Kaisaikai, result.Kumi);
    xml.matches(result.Game, [&xml](const ResultGame &game) {
        xml.leaf(u"くじ結果", game.Outcome);
        xml.leaf(u"ホーム", game.Home);
        xml.leaf(u"アウェイ", game.Away);
        xml.leaf(u"ホーム得点", game.HomeScore);
        xml.leaf(u"アウェイ得点", game.AwayScore);
    });
    if (result.Cancelled) {
        xml.leaf(u"開催状態", cancelledState);
        xml.leaf(u"返還確定日", result.ResultDate);
        xml.leaf(u"返還開始日", result.RefundStart);
        xml.leaf(u"返還期限", result.RefundEnd);
        return xml.finish();
    }
    const int maxGrade = clsToto::shared().GetMaxGrade(result.Kaisaikai);
    writeGradeGroup(xml, prizeElement, result.Prize, maxGrade);
    writeGradeGroup(xml, winnersElement, result.Winners, maxGrade);
    writeGradeGroup(xml, carryOverElement, result.CarryOver, maxGrade);
    xml.leaf(u"販売開始日", result.SaleStart);
    xml.leaf(u"販売終了日", result.SaleEnd);
    xml.leaf(u"結果発表日", result.ResultDate);
    xml.leaf(u"払戻開始日", result.RefundStart);
    xml.leaf(u"払戻期限", result.RefundEnd);
    xml.leaf(u"売上金額", result.Sales);
    xml.leaf(u"投票口数", result.Units);
    xml.leaf(u"投票枚数", result.Sheets);
    return xml.finish();
}
