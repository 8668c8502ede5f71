#pragma once

#include "acquisition/OfficialPage.h"
#include "support/ErrorReporter.h"
#include "support/PathRules.h"

#include <QString>

// What the schedule, vote and result workflows share: the flags of the last
// get operation, the download question and the explanation of a failed get
// operation. Each workflow adds its round-file class, its page parser and its
// record.
class RoundWorkflow
{
public:
    // The bits of the download type: read the round file, download the page.
    enum DType : int { FromFile = 1, FromSite = 2 };

    void initialize();

    bool Cancel() const;
    bool Unpublished() const;

    // Whether a download shows the connection log; set before it starts.
    bool progressOpen() const { return m_progressOpen; }
    void setProgressOpen(bool open) { m_progressOpen = open; }

    // Tells the user why the last get operation returned False: nothing after
    // a declined question, "not published" for an unpublished round, otherwise
    // a download failure.
    void falseDialog(qint32 roundNumber) const;

protected:
    RoundWorkflow(const QString &className, const QString &kindWord);
    ~RoundWorkflow() = default;

    // False, after reporting "Initialize Err" under the procedure name, while
    // Initialize has not been called.
    bool checkInitialized(const QString &procedure) const;

    // The pattern of every get operation: the round file when allowed and
    // present, otherwise, when allowed and confirmed, the official page.
    // loadFile(record) and download(record) fill the candidate and tell
    // whether they did; download sets m_unpublished and keeps the round file.
    template<typename Record, typename LoadFile, typename Download>
    void fetch(qint32 roundNumber, int downloadType, bool askBeforeDownload, Record &held,
               LoadFile &&loadFile, Download &&download)
    {
        m_cancel = false;
        m_unpublished = false;
        m_unreadableFile.clear();
        Record candidate{};
        if (roundNumber > 0) {
            const bool loaded = (downloadType & FromFile) && loadFile(candidate);
            if (!loaded && (downloadType & FromSite)) {
                if (askBeforeDownload && !askDownload()) {
                    m_cancel = true;
                } else {
                    // One log for the transfer and the round file kept after it.
                    const LoggedDownload::LogSession log(m_progressOpen);
                    if (!download(candidate))
                        candidate = Record{};
                }
            }
        }
        held = candidate;
    }

    // Loads the round file of the round and group into record. A file that
    // is there but does not read is remembered: a download may replace it.
    template<typename XmlFile, typename Record>
    bool loadRoundFile(XmlFile &xml, qint32 roundNumber, const QString &group, Record &record,
                       Record (XmlFile::*getRecord)() const)
    {
        const QString fileName = xml.getFileName(roundNumber, group);
        if (!xml.xmlLoad(fileName)) {
            if (PathRules::fileExists(fileName))
                m_unreadableFile = fileName;
            return false;
        }
        record = (xml.*getRecord)();
        return true;
    }

    // Writes a downloaded record as the round file of its own round and
    // group. A download never replaces a file that reads; one that did not
    // read in this get operation is set aside first (see setAsideUnreadable).
    template<typename XmlFile, typename Record>
    void keepAsNewRoundFile(XmlFile &xml, const Record &record, void (XmlFile::*setRecord)(const Record &),
                            const OfficialPage &page)
    {
        const QString fileName = xml.getFileName(record.roundNumber, record.group);
        if (PathRules::fileExists(fileName) && !setAsideUnreadable(fileName, page))
            return;
        (xml.*setRecord)(record);
        xml.xmlSave(fileName);
    }

    ErrorReporter m_err;
    bool m_unpublished = false;

private:
    bool askDownload() const;
    // When fileName is the file that did not read in this get operation:
    // renames it to fileName + ".broken" (replacing an older one), tells the
    // connection log and gives true. Otherwise, or when the rename fails,
    // false: the file stays as it is.
    bool setAsideUnreadable(const QString &fileName, const OfficialPage &page) const;

    QString m_unreadableFile;

    QString m_kindWord;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_progressOpen = true;
};
