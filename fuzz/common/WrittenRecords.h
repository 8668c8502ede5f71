#pragma once

#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "rounddata/RoundData.h"

#include <QString>

// The records as their round files keep them: what the writer leaves out is
// empty, and every text is what the reader gets back from the file (through
// windows-31j, "<" and ">" in their full-width forms). A record saved and
// loaded again must be exactly this.
namespace WrittenRecords {

ScheduleData asWritten(ScheduleData schedule);
VoteData asWritten(VoteData vote);
ResultData asWritten(ResultData result);

// Saves the record in SysData/<name>, loads the file into a fresh object and
// checks that it gives the record as written. The file is left in place.
template<typename XmlFile, typename Record>
void checkSavedAndLoaded(const Record &record, void (XmlFile::*setRecord)(const Record &),
                         Record (XmlFile::*getRecord)() const, const QString &name)
{
    const QString path = Fuzz::app().filePath(QStringLiteral("SysData/") + name);
    XmlFile writer;
    (writer.*setRecord)(record);
    FUZZ_CHECK(writer.xmlSave(path));
    XmlFile reader;
    FUZZ_CHECK(reader.xmlLoad(path));
    FUZZ_CHECK((reader.*getRecord)() == asWritten(record));
}

// Loads the input as a round file into an object that holds the record
// held. A load that fails has told the user and left held as it was; a
// load that reads is silent and its record saves and loads again as written.
template<typename XmlFile, typename Record>
void checkRoundFile(const QByteArray &input, const Record &held, void (XmlFile::*setRecord)(const Record &),
                    Record (XmlFile::*getRecord)() const)
{
    RecordingUi ui;
    const QString name = QStringLiteral("SysData/input.xml");
    Fuzz::app().writeFile(name, input);
    XmlFile xml;
    (xml.*setRecord)(held);
    if (!xml.xmlLoad(Fuzz::app().filePath(name))) {
        FUZZ_CHECK((xml.*getRecord)() == held);
        FUZZ_CHECK(!ui.boxes().isEmpty());
        return;
    }
    FUZZ_CHECK(ui.boxes().isEmpty());
    checkSavedAndLoaded((xml.*getRecord)(), setRecord, getRecord, QStringLiteral("again.xml"));
}

} // namespace WrittenRecords
