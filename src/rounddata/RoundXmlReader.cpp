#include "rounddata/RoundXmlReader.h"

#include <QVarLengthArray>

namespace {

constexpr QStringView bigElement = u"<BIG>";
// No key of a round file names more than three elements below the record
// element; deeper values are ignored without building their keys, so that a
// deeply nested file costs no more than a flat one.
constexpr qsizetype maxKeyDepth = 3;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

QStringView trimmed(QStringView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.mid(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

// Calls take(line) for every line: the text cut before every "<", after
// every ">" and at CR LF.
template<typename Take>
bool forEachLine(QStringView text, Take &&take)
{
    qsizetype start = 0;
    const auto cutLine = [&](qsizetype end, qsizetype next) {
        const bool go = take(text.mid(start, end - start));
        start = next;
        return go;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool go = true;
        if (c == u'<')
            go = cutLine(i, i);
        else if (c == u'>')
            go = cutLine(i + 1, i + 1);
        else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            go = cutLine(i, i + 2);
        if (!go)
            return false;
    }
    return take(text.mid(start));
}

class PathStack
{
public:
    explicit PathStack(QStringView recordElement) : m_recordElement(recordElement) {}

    void push(QStringView tag)
    {
        m_entries.append(tag);
        if (m_entries.size() == 2 && underRecord())
            m_sawRecord = true;
    }

    // False when the closing tag does not close the top element.
    bool close(QStringView closingTag)
    {
        if (m_entries.isEmpty() || m_entries.back().mid(1) != closingTag.mid(2))
            return false;
        if (m_entries.size() > 1)
            m_entries.removeLast();
        return true;
    }

    // The key of a value at this point: empty outside <BIG> and the record element.
    void key(QString &out) const
    {
        out.resize(0);
        if (m_entries.size() < 2 || m_entries.size() > 2 + maxKeyDepth || !underRecord())
            return;
        for (qsizetype i = 2; i < m_entries.size(); ++i)
            out.append(m_entries[i]);
    }

    bool complete() const { return m_sawRecord && m_entries.size() <= 1; }

private:
    bool underRecord() const { return m_entries[0] == bigElement && m_entries[1] == m_recordElement; }

    QStringView m_recordElement;
    QVarLengthArray<QStringView, 16> m_entries;
    bool m_sawRecord = false;
};

} // namespace

RoundXmlReader::Outcome RoundXmlReader::read(QStringView text, QStringView recordElement,
                                             const FieldSetter &setField)
{
    PathStack stack(recordElement);
    QString key;
    const bool wellNested = forEachLine(text, [&](QStringView rawLine) {
        const QStringView line = trimmed(rawLine);
        if (line.isEmpty() || line.startsWith(u"<?"))
            return true;
        if (line.startsWith(u"</"))
            return stack.close(line);
        if (line.startsWith(u'<')) {
            stack.push(line);
            return true;
        }
        stack.key(key);
        if (!key.isEmpty())
            setField(key, line);
        return true;
    });
    return wellNested && stack.complete() ? Outcome::Read : Outcome::Malformed;
}
