#pragma once

#include "acquisition/clsHtmlGet.h"
#include "acquisition/clsHtmlToto.h"
#include "support/ErrorReporter.h"

#include <QString>
#include <QStringList>


// What the three official-page readers share: fetching a page as its body
// text lines, the value conversions, the switches of the connection log and
// the flag that the last page did not show the round.
class OfficialPage
{
public:
    // True when the last page did not show the round (or said it cannot).
    bool Unpublished() const { return m_unpublished; }

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void setProgressOpen(bool open) { m_html.setProgressOpen(open); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void setProgressClose(bool close) { m_html.setProgressClose(close); }

    // Adds a line to the connection log (nothing while ProgressOpen is False).
    void addLogLine(const QString &line) const { m_html.AddLogLine(line); }

    // Keeps the connection log of a page open while it lives, so that what
    // happens after the transfer (reading the page, keeping the round file)
    // can still be told there; then closes it, if the caller wanted the log
    // closed after the transfer. Nests: only the outermost one closes.
    class LogHold
    {
    public:
        explicit LogHold(OfficialPage &page);
        ~LogHold();
        LogHold(const LogHold &) = delete;
        LogHold &operator=(const LogHold &) = delete;

    private:
        OfficialPage &m_page;
        bool m_closeAtEnd;
    };

protected:
    explicit OfficialPage(const QString &className) : m_err(className) {}
    ~OfficialPage() = default;

    // The body text lines of the page at url, fetched as UTF-8 without proxy;
    // the connection log opens with "第<round>回 <what>取得中 (オフィシャル)".
    // Empty when nothing came.
    QStringList fetchLines(qint32 lngKaisaikai, const QString &what, const QString &url);
    // A date with a weekday and trailing text (StringToDateEx) of a page line.
    OleDate dateOf(QString line) const { return m_toto.StringToDateEx(line); }

    ErrorReporter m_err;
    clsHtmlToto m_toto;
    bool m_unpublished = false;

private:
    clsHtmlGet m_html;
};
