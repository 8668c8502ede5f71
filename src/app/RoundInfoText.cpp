#include "app/RoundInfoText.h"

#include "acquisition/BigSettings.h"
#include "support/Format.h"

#include <QUrl>

#include <cmath>

namespace RoundInfoText {

namespace {

constexpr int secondsPerDay = 24 * 60 * 60;

QString weekdayLetter(QDate date)
{
    static const QString letters = QStringLiteral("月火水木金土日");
    return letters.mid(date.dayOfWeek() - 1, 1);
}

QString twoDigits(int value)
{
    return Format::zeroPadded(value, 2);
}

} // namespace

OleDate now()
{
    QDateTime moment = QDateTime::currentDateTime();
    moment.setTime(QTime(moment.time().hour(), moment.time().minute(), moment.time().second()));
    return OleDate::fromDateTime(moment);
}

QString roundCaption(qint32 roundNumber, const QString &group)
{
    QString caption = QStringLiteral(" 第 ") + (roundNumber > 0 ? QString::number(roundNumber) : QStringLiteral(" "))
                      + QStringLiteral(" 回 ");
    if (!group.isEmpty())
        caption += QStringLiteral(" [ ") + group + QStringLiteral("組 ] ");
    return caption;
}

QString salesStatus(const ScheduleData &schedule, OleDate now)
{
    if (now > schedule.saleEnd)
        return QStringLiteral("販売終了");
    if (schedule.saleStart > now)
        return QStringLiteral("販売開始まで あと ") + countdown(now, schedule.saleStart);
    return QStringLiteral("販売締切まで あと ") + countdown(now, schedule.saleEnd);
}

QString countdown(OleDate from, OleDate to)
{
    const double days = to.value() - from.value();
    qint64 wholeDays = qint64(std::trunc(days));
    qint64 seconds = std::llround((days - double(wholeDays)) * secondsPerDay);
    if (seconds >= secondsPerDay) {   // rounding reached the next day
        ++wholeDays;
        seconds -= secondsPerDay;
    }
    QString text;
    if (wholeDays > 0)
        text = QString::number(wholeDays) + QStringLiteral("日 ");
    return text + QString::number(seconds / 3600) + QStringLiteral("時間") + QString::number(seconds % 3600 / 60)
           + QStringLiteral("分");
}

QString longDate(OleDate value)
{
    const QDate date = value.date();
    QString text = Format::zeroPadded(date.year(), 4) + u'年' + twoDigits(date.month()) + u'月' + twoDigits(date.day())
                   + QStringLiteral("日(") + weekdayLetter(date) + QStringLiteral(") ");
    const QTime time = value.time();
    if (time != QTime(0, 0))
        text += twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' + twoDigits(time.second());
    return text;
}

QString voteSource(const VoteData &vote)
{
    if (vote.roundNumber <= 0)
        return QString();
    const QString head = QStringLiteral("　使用投票率：");
    if (vote.voteTime.value() <= 0)
        return head + QStringLiteral("ユーザー定義");
    if (vote.voteTime == vote.saleEnd)
        return head + Format::date(vote.voteTime) + QStringLiteral(" (最終)");
    const QTime time = vote.voteTime.time();
    return head + Format::date(vote.voteTime) + u' ' + twoDigits(time.hour()) + u':' + twoDigits(time.minute());
}

QString statusBarText(const QString &roundCaption, const VoteData &vote)
{
    return roundCaption + voteSource(vote);
}

QString salesScheduleUrl()
{
    const QUrl schedulePage(bigSettings().bigOfficialScheduleUrl);
    return schedulePage.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment).toString()
           + QStringLiteral("/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule");
}

} // namespace RoundInfoText
