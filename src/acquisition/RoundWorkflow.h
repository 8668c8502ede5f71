#pragma once

#include "support/ErrorReporter.h"
#include "support/clsFileSystemObject.h"

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

    void Initialize();

    bool Cancel() const;
    bool Unpublished() const;

    // Tells the user why the last get operation returned False: nothing after
    // a declined question, "not published" for an unpublished round, otherwise
    // a download failure.
    void FalseDialog(qint32 lngKaisaikai) const;

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
    void fetch(qint32 lngKaisaikai, int lngDType, bool blnDQuestion, Record &held,
               LoadFile &&loadFile, Download &&download)
    {
        m_cancel = false;
        m_unpublished = false;
        Record candidate{};
        if (lngKaisaikai > 0) {
            const bool loaded = (lngDType & FromFile) && loadFile(candidate);
            if (!loaded && (lngDType & FromSite)) {
                if (blnDQuestion && !askDownload())
                    m_cancel = true;
                else if (!download(candidate))
                    candidate = Record{};
            }
        }
        held = candidate;
    }

    // Loads the round file of the round and group into record.
    template<typename XmlFile, typename Record>
    static bool loadRoundFile(XmlFile &xml, qint32 lngKaisaikai, const QString &strKumi, Record &record,
                              Record (XmlFile::*getRecord)() const)
    {
        if (!xml.XmlLoad(xml.GetFileName(lngKaisaikai, strKumi)))
            return false;
        record = (xml.*getRecord)();
        return true;
    }

    // Writes a downloaded record as the round file of its own round and
    // group, unless that file exists: a download never replaces a file.
    template<typename XmlFile, typename Record>
    static void keepAsNewRoundFile(XmlFile &xml, const Record &record, void (XmlFile::*setRecord)(const Record &))
    {
        const QString fileName = xml.GetFileName(record.Kaisaikai, record.Kumi);
        if (clsFileSystemObject::FileExists(fileName))
            return;
        (xml.*setRecord)(record);
        xml.XmlSave(fileName);
    }

    ErrorReporter m_err;
    bool m_unpublished = false;

private:
    bool askDownload() const;

    QString m_kindWord;
    bool m_initialized = false;
    bool m_cancel = false;
};
