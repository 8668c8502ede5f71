#include "rounddata/RoundXmlFile.h"

#include "support/AppFolder.h"
#include "support/Format.h"
#include "support/PathRules.h"

namespace {
const QString loadProcedure = QStringLiteral("XmlLoad");
const QString saveProcedure = QStringLiteral("XmlSave");
}

RoundXmlFile::RoundXmlFile(const QString &className)
    : m_err(className)
{
}

QString RoundXmlFile::fileName(QStringView folder, QStringView prefix, qint32 roundNumber, const QString &group)
{
    QString name = prefix.toString() + Format::zeroPadded(roundNumber, 3);
    if (!group.isEmpty())
        name += u'_' + group;
    name += QStringLiteral(".xml");
    return AppFolder::path() + QStringLiteral("\\SysData\\") + folder.toString() + u'\\' + name;
}

bool RoundXmlFile::save(const QString &path, const std::function<QString()> &render) const
{
    try {
        return m_stream.saveToFile(path, render());
    } catch (const std::exception &) {
        m_err.report(saveProcedure, path + QStringLiteral("\r\nファイルの保存に失敗しました。"));
        return false;
    }
}

bool RoundXmlFile::load(const QString &path, const std::function<bool(const QString &text)> &parse) const
{
    QString text;
    if (path.isEmpty() || !PathRules::fileExists(path) || !m_stream.loadFromFile(path, text))
        return false;
    return m_err.guard(loadProcedure, false, [&] { return parse(text); });
}

bool RoundXmlFile::read(QStringView text, QStringView recordElement,
                        const RoundXmlReader::FieldSetter &setField) const
{
    if (RoundXmlReader::read(text, recordElement, setField) == RoundXmlReader::Outcome::Read)
        return true;
    m_err.report(loadProcedure, QStringLiteral("XMLデータが異常です。"));
    return false;
}
