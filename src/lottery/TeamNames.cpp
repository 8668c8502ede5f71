#include "lottery/TeamNames.h"

#include "support/AppInfo.h"
#include "support/Ui.h"

namespace {

// From this round on the off-season rounds carry overseas matches: the second
// table consulted switches from the former J.League names to the overseas clubs.
constexpr qint32 firstOverseasRound = 750;
constexpr int leagueCount = 3;

// The entries of TeamName2.dat that are its version, not clubs.
bool isVersionEntry(const QString &name)
{
    return name == QStringLiteral("Version") || name == QStringLiteral("Revision");
}

QString s_missingTeamName;

} // namespace

TeamNames::TeamNames()
{
    m_teamName.initialize(QStringLiteral("SysData\\TeamName.dat"));
    m_teamName1.initialize(QStringLiteral("SysData\\TeamName1.dat"));
    m_teamName2.initialize(QStringLiteral("SysData\\TeamName2.dat"));
    m_teamName3.initialize(userFileName());
    m_j1j2.initialize(QStringLiteral("SysData\\J1J2.dat"));
}

QString TeamNames::userFileName()
{
    return QStringLiteral("SysData\\TeamName3.dat");
}

QString TeamNames::missingTeamName()
{
    return s_missingTeamName;
}

void TeamNames::clearMissingTeamName()
{
    s_missingTeamName.clear();
}

QString TeamNames::getShortTeamName(const QString &longTeamName, qint32 roundNumber) const
{
    return m_err.guard(QStringLiteral("GetShortTeamName"), QString(), [&] {
        if (roundNumber == 0) {
            Ui::instance().showMessage(Ui::Icon::Warning, QStringLiteral("GetShortTeamName"),
                                       QStringLiteral("開催回が不明です"));
            return QString();
        }
        const QString shortName = lookUp(longTeamName, roundNumber);
        if (shortName.isEmpty()) {
            Ui::instance().showMessage(Ui::Icon::Warning, AppInfo::title(),
                                       QStringLiteral("チーム名：") + longTeamName
                                           + QStringLiteral(" が見つかりません。\r\n")
                                           + QStringLiteral("最新のチーム名データをダウンロードするかチーム名を追加して下さい。"));
            s_missingTeamName = longTeamName;
        }
        return shortName;
    });
}

QString TeamNames::lookUp(const QString &longTeamName, qint32 roundNumber) const
{
    QString shortName = m_teamName.getKey(longTeamName);
    if (shortName.isEmpty())
        shortName = (roundNumber < firstOverseasRound ? m_teamName1 : m_teamName2).getKey(longTeamName);
    if (shortName.isEmpty() && m_teamName3.enabled())
        shortName = m_teamName3.getKey(longTeamName);
    return shortName;
}

QString TeamNames::getShortToJ1J2String(const QString &shortTeamName, qint32 year) const
{
    // Every text contains the empty text: a club without a name has no league.
    if (shortTeamName.isEmpty())
        return QString();
    return m_err.guard(QStringLiteral("GetShortToJ1J2String"), QString(), [&] {
        for (int league = 1; league <= leagueCount; ++league) {
            const QString tag = QStringLiteral("J") + QString::number(league);
            const QString members = m_j1j2.getItem(QString::number(year) + tag, QString());
            if (members.contains(shortTeamName))
                return tag;
        }
        return QString();
    });
}

QString TeamNames::getTeamName2Version() const
{
    return m_err.guard(QStringLiteral("GetTeamName2Version"), QString(), [&] { return teamName2VersionOf(m_teamName2); });
}

QString TeamNames::teamName2VersionOf(const IniFile &file)
{
    return file.getItem(QStringLiteral("Version"), QString()) + u'.' + file.getItem(QStringLiteral("Revision"), QString());
}

bool TeamNames::existsLongTeamName(const QString &longTeamName) const
{
    return m_err.guard(QStringLiteral("ExistsLongTeamName"), false, [&] {
        return m_teamName.keyExists(longTeamName) || m_teamName2.keyExists(longTeamName)
               || (m_teamName3.enabled() && m_teamName3.keyExists(longTeamName));
    });
}

QString TeamNames::foldTeamName(const QString &teamName)
{
    return teamName.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QString TeamNames::findShortTeamName(const QString &teamName) const
{
    return foldedNames().value(foldTeamName(teamName.trimmed()));
}

const QHash<QString, QString> &TeamNames::foldedNames() const
{
    if (m_foldedNames)
        return *m_foldedNames;
    QHash<QString, QString> names;
    const IniFile *const files[] = {&m_teamName, &m_teamName1, &m_teamName2, &m_teamName3};
    // The first entry wins, and a club's own short name wins over another
    // club's official name.
    for (const bool byShortName : {true, false}) {
        for (const IniFile *file : files) {
            for (const auto &[shortName, officialName] : file->entries()) {
                const QString folded = foldTeamName(byShortName ? shortName : officialName);
                if (!isVersionEntry(shortName) && !names.contains(folded))
                    names.insert(folded, shortName);
            }
        }
    }
    return m_foldedNames.emplace(std::move(names));
}
