#include "rounddata/ScheduleFile.h"

#include "rounddata/RoundXmlWriter.h"

#include <QHash>

using namespace RoundXmlValue;

namespace {

const QString cancelledState = QStringLiteral("中止");

using Reading = RoundReading<ScheduleData>;
using FieldSetters = RoundFieldSetters<ScheduleData>;

void setState(Reading &reading, QStringView value)
{
    reading.record.State = value == cancelledState ? ScheduleData::StateCancelled : toLong(value);
}

FieldSetters buildFieldSetters()
{
    FieldSetters setters{
        {QStringLiteral("<組>"), [](Reading &r, QStringView v) { r.record.Kumi = v.toString(); }},
        {QStringLiteral("<開催状態>"), setState},
        {QStringLiteral("<指定試合><試合開始予定時間>"),
         [](Reading &r, QStringView v) { r.game().StartTime = toDate(v); }},
        {QStringLiteral("<指定試合><競技場>"), [](Reading &r, QStringView v) { r.game().Stadium = v.toString(); }},
        {QStringLiteral("<指定試合><状態>"), [](Reading &r, QStringView v) { r.game().Status = v.toString(); }},
    };
    addCommonSetters(setters);
    return setters;
}

const FieldSetters &fieldSetters()
{
    static const FieldSetters setters = buildFieldSetters();
    return setters;
}

} // namespace

QString clsXmlSchedule::GetFileName(qint32 lngKaisaikai, const QString &strKumi) const
{
    return RoundXmlFile::fileName(u"BIG_Schedule", u"big_schedule_", lngKaisaikai, strKumi);
}

bool clsXmlSchedule::XmlSave(const QString &strFileName) const
{
    return m_file.save(strFileName, [this] { return render(); });
}

bool clsXmlSchedule::XmlSaveNotHeld(qint32 lngKaisaikai, const QString &strFileName) const
{
    return m_file.save(strFileName, [lngKaisaikai] {
        RoundXmlWriter xml(u"style.xsl", u"開催");
        xml.leaf(u"開催回", lngKaisaikai);
        xml.leaf(u"開催状態", ScheduleData::StateNotHeld);
        return xml.finish();
    });
}

bool clsXmlSchedule::XmlLoad(const QString &strFileName)
{
    return m_file.load(strFileName, [this](const QString &text) {
        return m_file.readRecord(text, u"<開催>", fieldSetters(), m_schedule);
    });
}

QString clsXmlSchedule::render() const
{
    const ScheduleData &schedule = m_schedule;
    RoundXmlWriter xml(u"big_schedule.xsl", u"開催");
    xml.round(schedule.Kaisaikai, schedule.Kumi);
    xml.matches(schedule.Game, [&xml](const ScheduleGame &game) {
        xml.leaf(u"試合開催日", game.GameDate);
        xml.leaf(u"試合開始予定時間", game.StartTime);
        xml.leaf(u"競技場", game.Stadium);
        xml.leaf(u"状態", game.Status);
        xml.leaf(u"ホーム", game.Home);
        xml.leaf(u"アウェイ", game.Away);
    });
    xml.leaf(u"販売開始日", schedule.SaleStart);
    xml.leaf(u"販売終了日", schedule.SaleEnd);
    if (schedule.State == ScheduleData::StateCancelled)
        xml.leaf(u"開催状態", cancelledState);
    else
        xml.leaf(u"結果発表日", schedule.ResultDate);
    return xml.finish();
}
