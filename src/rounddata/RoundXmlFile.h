#pragma once

#include "rounddata/RoundXmlReader.h"
#include "support/ErrorReporter.h"
#include "support/TextFile.h"

#include <QString>
#include <QStringView>
#include <functional>

// The file side that the three round file classes share: their paths, the
// save with its failure message, the load that stays silent about a missing
// file, and the reports of a load that fails. Messages carry the owning
// class's name.
class RoundXmlFile
{
public:
    explicit RoundXmlFile(const QString &className);

    // <application folder>\SysData\<folder>\<prefix><round, at least 3 digits>[_<group>].xml
    static QString fileName(QStringView folder, QStringView prefix, qint32 roundNumber, const QString &group);

    // Renders and saves the text. A run-time failure shows the path and
    // "ファイルの保存に失敗しました。"; a folder that cannot be created gives
    // false silently, and the file stream reports its own write failures.
    bool save(const QString &path, const std::function<QString()> &render) const;

    // Loads the file and runs parse on its text as the load operation: false,
    // without a message, for an empty name or a missing file; a run-time
    // failure inside parse is reported as an error box and gives false.
    bool load(const QString &path, const std::function<bool(const QString &text)> &parse) const;

    // Reads the text into a fresh record and, when the whole text reads,
    // replaces record with it. A malformed text is reported as
    // "XMLデータが異常です。" and gives false; a value the setters cannot
    // convert throws RuntimeError.
    template<typename Record>
    bool readRecord(QStringView text, QStringView recordElement, const RoundFieldSetters<Record> &setters,
                    Record &record) const
    {
        RoundReading<Record> reading;
        const bool read = this->read(text, recordElement, [&](const QString &key, QStringView value) {
            if (const auto setter = setters.value(key))
                setter(reading, value);
        });
        if (read)
            record = std::move(reading.record);
        return read;
    }

private:
    bool read(QStringView text, QStringView recordElement, const RoundXmlReader::FieldSetter &setField) const;

    ErrorReporter m_err;
    TextFile m_stream;
};
