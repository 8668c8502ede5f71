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
        {QStringLiteral("<組>"), [](Reading &r, QStringView v) { r.record.group = v.toString(); }},
        {QStringLiteral("<開催状態>"), setState},
        {QStringLiteral("<指定試合><試合開始予定時間>"),
         [](Reading &r, QStringView v) { r.game().startTime = toDate(v); }},
        {QStringLiteral("<指定試合><競技場>"), [](Reading &r, QStringView v) { r.game().stadium = v.toString(); }},
        {QStringLiteral("<指定試合><状態>"), [](Reading &r, QStringView v) { r.game().status = v.toString(); }},
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

QString ScheduleFile::getFileName(qint32 roundNumber, const QString &group) const
{
    return RoundXmlFile::fileName(u"BIG_Schedule", u"big_schedule_", roundNumber, group);
}

bool ScheduleFile::xmlSave(const QString &fileName) const
{
    return m_file.save(fileName, [this] { return render(); });
}

bool ScheduleFile::xmlSaveNotHeld(qint32 roundNumber, const QString &fileName) const
{
    return m_file.save(fileName, [roundNumber] {
        RoundXmlWriter xml(u"style.xsl", u"開催");
        xml.leaf(u"開催回", roundNumber);
        xml.leaf(u"開催状態", ScheduleData::StateNotHeld);
        return xml.finish();
    });
}

bool ScheduleFile::xmlLoad(const QString &fileName)
{
    return m_file.load(fileName, [this](const QString &text) {
        return m_file.readRecord(text, u"<開催>", fieldSetters(), m_schedule);
    });
}

QString ScheduleFile::render() const
{
    const ScheduleData &schedule = m_schedule;
    RoundXmlWriter xml(u"big_schedule.xsl", u"開催");
    xml.round(schedule.roundNumber, schedule.group);
    xml.matches(schedule.game, [&xml](const ScheduleGame &game) {
        xml.leaf(u"試合開催日", game.gameDate);
        xml.leaf(u"試合開始予定時間", game.startTime);
        xml.leaf(u"競技場", game.stadium);
        xml.leaf(u"状態", game.status);
        xml.leaf(u"ホーム", game.home);
        xml.leaf(u"アウェイ", game.away);
    });
    xml.leaf(u"販売開始日", schedule.saleStart);
    xml.leaf(u"販売終了日", schedule.saleEnd);
    if (schedule.State == ScheduleData::StateCancelled)
        xml.leaf(u"開催状態", cancelledState);
    else
        xml.leaf(u"結果発表日", schedule.resultDate);
    return xml.finish();
}
