#pragma once

#include "acquisition/PageFetcher.h"
#include "acquisition/PageValues.h"
#include "support/ErrorReporter.h"

#include <QString>
#include <QStringList>


// What the three official-page readers share: fetching a page as its body
// text lines, the value conversions, the connection log's lines and the flag
// that the last page did not show the round. The log window's switch belongs
// to the download (LoggedDownload::LogSession).
class OfficialPage
{
public:
    // True when the last page did not show the round (or said it cannot).
    bool Unpublished() const { return m_unpublished; }

    // Adds a line to the connection log (nothing while progressOpen is False).
    void addLogLine(const QString &line) const { m_html.addLogLine(line); }

protected:
    explicit OfficialPage(const QString &className) : m_err(className) {}
    ~OfficialPage() = default;

    // The body text lines of the page at url, fetched as UTF-8 without proxy;
    // the connection log opens with "第<round>回 <what>取得中 (オフィシャル)".
    // Empty when nothing came.
    QStringList fetchLines(qint32 roundNumber, const QString &what, const QString &url);
    // A date with a weekday and trailing text (stringToDateEx) of a page line.
    OleDate dateOf(QString line) const { return m_toto.stringToDateEx(line); }

    ErrorReporter m_err;
    PageValues m_toto;
    bool m_unpublished = false;

private:
    PageFetcher m_html;
};
