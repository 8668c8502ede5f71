#include "common/OfficialSite.h"

#include "acquisition/BigSettings.h"
#include "acquisition/TeamNameUpdate.h"
#include "acquisition/ScheduleWorkflow.h"
#include "common/TestFiles.h"
#include "support/AppFolder.h"
#include "support/TextCodec.h"

#include <QFile>
#include <QUrl>

namespace {

const QString siteFolder = QStringLiteral("official/");
const QString schedulePath = QStringLiteral("/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form");
const QString votePath = QStringLiteral("/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form");
const QString resultPath = QStringLiteral("/dcs/subos/screen/pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form");

QString round4(int round)
{
    return QStringLiteral("%1").arg(round, 4, 10, QLatin1Char('0'));
}

// The page of an address; a path-only entry of site.tsv answers the other
// rounds of that path.
struct SiteMap
{
    QHash<QString, QString> pages;
    QHash<QString, QString> otherRounds;
};

SiteMap readSiteMap()
{
    SiteMap map;
    const QString text = QString::fromUtf8(TestFiles::fixture(siteFolder + QStringLiteral("site.tsv")));
    for (const QString &line : text.split(u'\n')) {
        const QStringList fields = line.trimmed().split(u'\t');
        if (fields.size() != 2 || line.startsWith(u'#'))
            continue;
        (fields[0].contains(u'?') ? map.pages : map.otherRounds).insert(fields[0], fields[1]);
    }
    return map;
}

} // namespace

OfficialSite::OfficialSite()
{
    const SiteMap map = readSiteMap();
    for (auto entry = map.pages.cbegin(); entry != map.pages.cend(); ++entry)
        m_server.setResponse(entry.key(), page(entry.value()));
    for (auto entry = map.otherRounds.cbegin(); entry != map.otherRounds.cend(); ++entry)
        m_server.setFallbackResponse(entry.key(), page(entry.value()));
    m_server.listen();
}

bool OfficialSite::isListening() const
{
    return m_server.isListening();
}

QString OfficialSite::origin() const
{
    return m_server.origin();
}

void OfficialSite::pointSettingsHere() const
{
    pointSettingsAt(m_server.origin());
}

void OfficialSite::pointSettingsAtDeadServer()
{
    pointSettingsAt(QStringLiteral("http://127.0.0.1:%1").arg(LoopbackHttpServer::unusedPort()));
}

void OfficialSite::pointSettingsAt(const QString &origin)
{
    setBigSettingsDefaults();
    BigSettings settings = bigSettings();
    for (QString *address : {&settings.bigOfficialScheduleUrl, &settings.bigOfficialResultUrl,
                             &settings.totoOfficialVoteUrl}) {
        const QUrl official(*address);
        *address = origin + official.path() + u'?' + official.query(QUrl::FullyEncoded);
    }
    QFile file(AppFolder::path() + QStringLiteral("/SysData/bigSettings.ini"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(TextCodec::encodeSjis(bigSettingsText(settings)));
    file.close();
    loadBigSettings();
}

void OfficialSite::pointUpdateHere() const
{
    TeamNameUpdate::setServerHost(QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
}

void OfficialSite::pointUpdateAtDeadServer()
{
    TeamNameUpdate::setServerHost(QStringLiteral("127.0.0.1:%1").arg(LoopbackHttpServer::unusedPort()));
}

void OfficialSite::serve(const QString &address, const QByteArray &body)
{
    m_server.setResponse(address, body);
}

void OfficialSite::serve(const QString &address, const LoopbackHttpServer::Response &response)
{
    m_server.setResponse(address, response);
}

int OfficialSite::requestsFor(const QString &address) const
{
    return int(m_server.requests().count(address));
}

int OfficialSite::requests() const
{
    return int(m_server.requests().size());
}

QString OfficialSite::scheduleAddress(int round)
{
    return schedulePath + QStringLiteral("?popupDispDiv=0&holdCntId=") + round4(round) + QStringLiteral("&commodityId=09");
}

QString OfficialSite::voteAddress(int round)
{
    return votePath + QStringLiteral("?holdCntId=") + round4(round) + QStringLiteral("&commodityId=01");
}

QString OfficialSite::resultAddress(int round)
{
    return resultPath + QStringLiteral("?holdCntId=") + round4(round);
}

QByteArray OfficialSite::page(const QString &fileName)
{
    return TestFiles::fixture(siteFolder + fileName);
}

QString OfficialSite::pageText(const QString &fileName)
{
    return QString::fromUtf8(page(fileName));
}

QByteArray OfficialSite::expectedFile(const QString &fileName)
{
    return TestFiles::fixture(siteFolder + QStringLiteral("expected/") + fileName);
}

QByteArray OfficialSite::updateFile(const QString &fileName)
{
    return TestFiles::fixture(siteFolder + QStringLiteral("quorvel/") + fileName);
}

QStringList connectionLogHead(const RecordingUi &ui)
{
    const QStringList log = ui.closedConnectionLogs().isEmpty() ? ui.connectionLog() : ui.closedConnectionLogs().last();
    return log.mid(0, 3);
}

QString boxLine(Ui::Icon icon, const QString &title, const QString &text)
{
    static const char *const icons[] = {"none", "information", "warning", "error", "question"};
    return QString::fromLatin1(icons[int(icon)]) + u'|' + title + u'|' + text;
}

QStringList boxLines(const RecordingUi &ui)
{
    QStringList lines;
    for (const RecordingUi::Box &box : ui.boxes())
        lines << boxLine(box.icon, box.title, box.text);
    return lines;
}

QString questionBox(const QString &kind)
{
    return boxLine(Ui::Icon::Question, u' ' + kind,
                   QStringLiteral("インターネットより ") + kind + QStringLiteral(" をダウンロードします。よろしいですか？"));
}

QString failureBox(const QString &kind)
{
    return boxLine(Ui::Icon::Warning, u' ' + kind, QStringLiteral("インターネットよりダウンロードに失敗しました。"));
}

QString unpublishedBox(int round, const QString &kind)
{
    return boxLine(Ui::Icon::Information, u' ' + kind,
                   u'第' + QString::number(round) + QStringLiteral("回 ") + kind + QStringLiteral("は発表されていません。"));
}

ScheduleData heldSchedule(int round)
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    return schedule.getSchedule(round, QString(), RoundWorkflow::FromFile, false) ? schedule.schedule() : ScheduleData();
}
