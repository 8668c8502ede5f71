#pragma once

#include "common/TestAppFolder.h"
#include "rounddata/RoundData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The stand-in site's pages as the page readers take them, and the round
// files their records become.
namespace PageFixtures {

// The body text lines of a page of tests/data/official.
QStringList linesOf(const QString &pageFile);
// The record of the round's designated-match page, schedule_<round>.html.
ScheduleData scheduleOf(int round);

// The round file a record becomes, as bytes; empty when it was not written,
// or when the written file does not read back as the same file (every file
// the readers' records make must stay readable).
template<typename XmlFile, typename Record>
QByteArray fileOf(const TestAppFolder &app, const Record &record, void (XmlFile::*setRecord)(const Record &))
{
    XmlFile xml;
    (xml.*setRecord)(record);
    const QString name = QStringLiteral("SysData/written.xml");
    const QString again = QStringLiteral("SysData/written_again.xml");
    if (!xml.xmlSave(name))
        return {};
    XmlFile reader;
    if (!reader.xmlLoad(name) || !reader.xmlSave(again) || app.readFile(again) != app.readFile(name))
        return {};
    return app.readFile(name);
}

} // namespace PageFixtures
