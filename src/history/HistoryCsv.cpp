#include "history/HistoryCsv.h"

#include "history/HistoryReport.h"
#include "support/TextFile.h"

#include <QStringList>

namespace HistoryCsv {

namespace {

// A field with a comma, a quote or a line end goes in quotes, its quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString line(const QStringList &fields)
{
    QStringList written;
    for (const QString &text : fields)
        written.append(field(text));
    return written.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QString Text(const QList<HistoryRow> &rows)
{
    const int grades = HistoryReport::gradeColumns(rows);
    QString text = line(HistoryReport::headings(grades));
    for (const HistoryRow &row : rows)
        text += line(HistoryReport::fields(row, grades, HistoryReport::plainNumber));
    text += line(HistoryReport::totalFields(HistoryReport::totals(rows), grades, HistoryReport::plainNumber));
    return text;
}

bool save(const QString &path, const QList<HistoryRow> &rows)
{
    return TextFile().saveToFile(path, Text(rows));
}

} // namespace HistoryCsv
