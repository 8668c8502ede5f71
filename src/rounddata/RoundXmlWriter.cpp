#include "rounddata/RoundXmlWriter.h"

namespace {

void appendTag(QString &text, QStringView opening, QStringView name)
{
    text.append(opening).append(name).append(u'>');
}

void appendLineEnd(QString &text)
{
    text.append(u"\r\n");
}

// The reader cuts lines at every "<" and ">": a value holding one would not
// come back as written, or would break the whole file. Their full-width
// forms keep the file readable by any reader of this layout.
void appendValue(QString &text, QStringView value)
{
    const qsizetype start = text.size();
    text.append(value);
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] == u'<')
            text[i] = QChar(0xFF1C);   // ＜
        else if (text[i] == u'>')
            text[i] = QChar(0xFF1E);   // ＞
    }
}

} // namespace

RoundXmlWriter::RoundXmlWriter(QStringView stylesheet, QStringView recordElement)
    : m_recordElement(recordElement.toString())
{
    m_text.reserve(8192);
    line(u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    line(QStringLiteral("<?xml-stylesheet type=\"text/xsl\" href=\"%1\"?>").arg(stylesheet));
    open(u"BIG");
    open(m_recordElement);
}

QString RoundXmlWriter::getTagValue(QStringView name, QStringView value)
{
    QString text;
    appendTag(text, u"<", name);
    appendValue(text, value);
    appendTag(text, u"</", name);
    appendLineEnd(text);
    return text;
}

void RoundXmlWriter::open(QStringView name)
{
    appendTag(m_text, u"<", name);
    appendLineEnd(m_text);
}

void RoundXmlWriter::close(QStringView name)
{
    appendTag(m_text, u"</", name);
    appendLineEnd(m_text);
}

void RoundXmlWriter::leaf(QStringView name, QStringView value)
{
    m_text.append(getTagValue(name, value));
}

void RoundXmlWriter::round(qint32 roundNumber, const QString &group)
{
    leaf(u"開催回", roundNumber);
    if (!group.isEmpty())
        leaf(u"組", group);
}

QString RoundXmlWriter::finish()
{
    close(m_recordElement);
    close(u"BIG");
    return std::move(m_text);
}

void RoundXmlWriter::line(QStringView text)
{
    m_text.append(text);
    appendLineEnd(m_text);
}
