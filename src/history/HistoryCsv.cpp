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
    const int grades = HistoryReport::GradeColumns(rows);
    QString text = line(HistoryReport::Headings(grades));
    for (const HistoryRow &row : rows)
        text += line(HistoryReport::Fields(row, grades, HistoryReport::PlainNumber));
    text += line(HistoryReport::TotalFields(HistoryReport::Totals(rows), grades, HistoryReport::PlainNumber));
    return text;
}

bool Save(const QString &path, const QList<HistoryRow> &rows)
{
    return clsFileStream().SaveToFile(path, Text(rows));
}

} // namespace HistoryCsv
