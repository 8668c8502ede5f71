#pragma once

#include "acquisition/HtmlItemList.h"
#include "acquisition/LoggedDownload.h"

#include <QList>
#include <QString>
#include <QStringList>


// Fetches a page and reduces it to the text lines of its body, the form in
// which the page readers look for their anchors: no spaces, a new line at
// every tag except <br>, which joins the text before and after it.
class clsHtmlGet
{
public:
    QString ProgressDialogMessage() const { return m_inet.ProgressDialogMessage(); }
    void setProgressDialogMessage(const QString &message) { m_inet.setProgressDialogMessage(message); }
    // A new line of the connection log.
    void AddLogLine(const QString &line) const { m_inet.AddLog(line, true); }

    // Fetches strUrl (bytCode as clsWinInet::GetHttpDataString) and cuts it
    // into items; the item count, 0 when offline or nothing came.
    qint32 GetHttp(const QString &strUrl, const QString &strProxy, quint8 bytCode);
    // Cuts a page that is already at hand; the item count.
    qint32 ParseHtml(const QString &strHtml);

    // The text lines of the page body; their count.
    qint32 GetTextData(QStringList &strList) const;

    qint32 Count() const { return m_data.Count(); }
    QString Url() const { return m_url; }
    // Item 1..Count; an empty item outside.
    HtmlItem Item(qint32 index) const;

    // The client underneath, for its time-outs.
    clsWinInet &WinInet() { return m_inet; }

private:
    void clear();

    clsWinInet m_inet;
    clsHtmlData m_data;
    QString m_url;
};
