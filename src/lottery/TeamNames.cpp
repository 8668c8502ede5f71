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

clsTotoData::clsTotoData()
{
    m_teamName.Initialize(QStringLiteral("SysData\\TeamName.dat"));
    m_teamName1.Initialize(QStringLiteral("SysData\\TeamName1.dat"));
    m_teamName2.Initialize(QStringLiteral("SysData\\TeamName2.dat"));
    m_teamName3.Initialize(UserFileName());
    m_j1j2.Initialize(QStringLiteral("SysData\\J1J2.dat"));
}

QString clsTotoData::UserFileName()
{
    return QStringLiteral("SysData\\TeamName3.dat");
}

QString clsTotoData::MissingTeamName()
{
    return s_missingTeamName;
}

void clsTotoData::ClearMissingTeamName()
{
    s_missingTeamName.clear();
}

QString clsTotoData::GetShortTeamName(const QString &strLongTeamName, qint32 lngKaisaikai) const
{
    return m_err.guard(QStringLiteral("GetShortTeamName"), QString(), [&] {
        if (lngKaisaikai == 0) {
            Ui::instance().showMessage(Ui::Icon::Warning, QStringLiteral("GetShortTeamName"),
                                       QStringLiteral("開催回が不明です"));
            return QString();
        }
        const QString shortName = lookUp(strLongTeamName, lngKaisaikai);
        if (shortName.isEmpty()) {
            Ui::instance().showMessage(Ui::Icon::Warning, AppInfo::title(),
                                       QStringLiteral("チーム名：") + strLongTeamName
                                           + QStringLiteral(" が見つかりません。\r\n")
                                           + QStringLiteral("最新のチーム名データをダウンロードするかチーム名を追加して下さい。"));
            s_missingTeamName = strLongTeamName;
        }
        return shortName;
    });
}

QString clsTotoData::lookUp(const QString &strLongTeamName, qint32 lngKaisaikai) const
{
    QString shortName = m_teamName.GetKey(strLongTeamName);
    if (shortName.isEmpty())
        shortName = (lngKaisaikai < firstOverseasRound ? m_teamName1 : m_teamName2).GetKey(strLongTeamName);
    if (shortName.isEmpty() && m_teamName3.Enabled())
        shortName = m_teamName3.GetKey(strLongTeamName);
    return shortName;
}

QString clsTotoData::GetShortToJ1J2String(const QString &strShortTeamName, qint32 lngYear) const
{
    // Every text contains the empty text: a club without a name has no league.
    if (strShortTeamName.isEmpty())
        return QString();
    return m_err.guard(QStringLiteral("GetShortToJ1J2String"), QString(), [&] {
        for (int league = 1; league <= leagueCount; ++league) {
            const QString tag = QStringLiteral("J") + QString::number(league);
            const QString members = m_j1j2.GetItem(QString::number(lngYear) + tag, QString());
            if (members.contains(strShortTeamName))
                return tag;
        }
        return QString();
    });
}

QString clsTotoData::GetTeamName2Version() const
{
    return m_err.guard(QStringLiteral("GetTeamName2Version"), QString(), [&] { return TeamName2VersionOf(m_teamName2); });
}

QString clsTotoData::TeamName2VersionOf(const clsIniFile &file)
{
    return file.GetItem(QStringLiteral("Version"), QString()) + u'.' + file.GetItem(QStringLiteral("Revision"), QString());
}

bool clsTotoData::ExistsLongTeamName(const QString &strLongTeamName) const
{
    return m_err.guard(QStringLiteral("ExistsLongTeamName"), false, [&] {
        return m_teamName.KeyExists(strLongTeamName) || m_teamName2.KeyExists(strLongTeamName)
               || (m_teamName3.Enabled() && m_teamName3.KeyExists(strLongTeamName));
    });
}

QString clsTotoData::FoldTeamName(const QString &strTeamName)
{
    return strTeamName.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QString clsTotoData::FindShortTeamName(const QString &strTeamName) const
{
    return foldedNames().value(FoldTeamName(strTeamName.trimmed()));
}

const QHash<QString, QString> &clsTotoData::foldedNames() const
{
    if (m_foldedNames)
        return *m_foldedNames;
    QHash<QString, QString> names;
    const clsIniFile *const files[] = {&m_teamName, &m_teamName1, &m_teamName2, &m_teamName3};
    // The first entry wins, and a club's own short name wins over another
    // club's official name.
    for (const bool byShortName : {true, false}) {
        for (const clsIniFile *file : files) {
            for (const auto &[shortName, officialName] : file->entries()) {
                const QString folded = FoldTeamName(byShortName ? shortName : officialName);
                if (!isVersionEntry(shortName) && !names.contains(folded))
                    names.insert(folded, shortName);
            }
        }
    }
    return m_foldedNames.emplace(std::move(names));
}
