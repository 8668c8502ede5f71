#pragma once

#include "support/ErrorReporter.h"

#include <QList>
#include <QPair>
#include <QString>

// Reads a small file of "name = value" lines once and answers lookups in both
// directions. Comparisons ignore letter case; the first entry in file order wins.
class IniFile
{
public:
    bool initialize(const QString &fileName);
    // The entries of a text already in memory (a downloaded file, say).
    void initializeFromText(const QString &text);
    bool enabled() const { return m_enabled; }
    const QString &fileName() const { return m_fileName; }

    bool itemExists(const QString &name) const;
    QString getItem(const QString &name, const QString &defaultValue) const;
    QString getItem(const QString &name, qint64 defaultValue) const;
    bool keyExists(const QString &value) const;
    QString getKey(const QString &value) const;

    // The entries in file order; for owners that list a whole file.
    const QList<QPair<QString, QString>> &entries() const { return m_entries; }

private:
    void parse(const QString &text);
    qsizetype findName(const QString &name) const;
    qsizetype findValue(const QString &value) const;

    ErrorReporter m_err{QStringLiteral("clsIniFile")};
    QString m_fileName;
    QList<QPair<QString, QString>> m_entries;
    bool m_enabled = false;
};
