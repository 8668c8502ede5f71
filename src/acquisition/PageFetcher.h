#pragma once

#include "acquisition/HtmlItemList.h"
#include "acquisition/LoggedDownload.h"

#include <QList>
#include <QString>
#include <QStringList>


// Fetches a page and reduces it to the text lines of its body, the form in
// which the page readers look for their anchors: no spaces, a new line at
// every tag except <br>, which joins the text before and after it.
class PageFetcher
{
public:
    QString progressDialogMessage() const { return m_inet.progressDialogMessage(); }
    void setProgressDialogMessage(const QString &message) { m_inet.setProgressDialogMessage(message); }
    // A new line of the connection log.
    void addLogLine(const QString &line) const { m_inet.addLog(line, true); }

    // Fetches url (encoding as LoggedDownload::getHttpDataString) and cuts it
    // into items; the item count, 0 when offline or nothing came.
    qint32 getHttp(const QString &url, const QString &proxy, quint8 encoding);
    // Cuts a page that is already at hand; the item count.
    qint32 parseHtml(const QString &html);

    // The text lines of the page body; their count.
    qint32 getTextData(QStringList &lines) const;

    qint32 count() const { return m_data.count(); }
    QString url() const { return m_url; }
    // Item 1..Count; an empty item outside.
    HtmlItem item(qint32 index) const;

    // The client underneath, for its time-outs.
    LoggedDownload &winInet() { return m_inet; }

private:
    void clear();

    LoggedDownload m_inet;
    HtmlItemList m_data;
    QString m_url;
};
