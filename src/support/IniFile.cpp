#include "support/IniFile.h"

#include "support/TrimSpaces.h"
#include "support/TextFile.h"

namespace {

bool sameText(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool IniFile::initialize(const QString &fileName)
{
    m_fileName = fileName;
    m_entries.clear();
    m_enabled = false;

    TextFile stream;
    stream.setErrMessage(false);
    QString text;
    if (!stream.loadFromFile(fileName, text))
        return false;
    parse(text);
    m_enabled = true;
    return true;
}

void IniFile::initializeFromText(const QString &text)
{
    m_fileName.clear();
    m_entries.clear();
    parse(text);
    m_enabled = true;
}

void IniFile::parse(const QString &text)
{
    for (const QStringView rawLine : QStringView(text).split(QStringLiteral("\r\n"))) {
        const QString line = trimSpaces(rawLine);
        if (line.isEmpty() || line.startsWith(QStringLiteral("//")) || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = trimSpaces(equals < 0 ? QStringView(line) : QStringView(line).left(equals));
        const QString value = equals < 0 ? QString() : trimSpaces(QStringView(line).mid(equals + 1));
        if (!name.isEmpty() && !value.isEmpty())
            m_entries.append({name, value});
    }
}

qsizetype IniFile::findName(const QString &name) const
{
    if (!name.isEmpty())
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (sameText(m_entries[i].first, name))
                return i;
    return -1;
}

qsizetype IniFile::findValue(const QString &value) const
{
    if (!value.isEmpty())
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (sameText(m_entries[i].second, value))
                return i;
    return -1;
}

bool IniFile::itemExists(const QString &name) const
{
    if (!m_enabled) {
        m_err.reportInitializeError(QStringLiteral("ItemExists"));
        return false;
    }
    return findName(name) >= 0;
}

QString IniFile::getItem(const QString &name, const QString &defaultValue) const
{
    if (!m_enabled) {
        m_err.reportInitializeError(QStringLiteral("GetItem"));
        return QString();
    }
    const qsizetype at = findName(name);
    return at < 0 ? defaultValue : m_entries[at].second;
}

QString IniFile::getItem(const QString &name, qint64 defaultValue) const
{
    return getItem(name, QString::number(defaultValue));
}

bool IniFile::keyExists(const QString &value) const
{
    if (!m_enabled) {
        m_err.reportInitializeError(QStringLiteral("KeyExists"));
        return false;
    }
    return findValue(value) >= 0;
}

QString IniFile::getKey(const QString &value) const
{
    if (!m_enabled) {
        m_err.reportInitializeError(QStringLiteral("GetKey"));
        return QString();
    }
    const qsizetype at = findValue(value);
    return at < 0 ? QString() : m_entries[at].first;
}
