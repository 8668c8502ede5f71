#pragma once

#include "support/ErrorReporter.h"

#include <QByteArray>
#include <QString>

class HttpTransfer;

// Fetches one address into memory with a plain HTTP GET while writing a short
// connection log ("[コネクション開始]", the address, "受信中 " with one dot per
// piece read, "[コネクション終了]") into the log window, so that the user sees
// what is being downloaded, and can stop it there. The HTTP status is not
// looked at: whatever body the server sends is the result.
class LoggedDownload
{
public:
    // The code of getHttpDataString: Shift_JIS (the ANSI code page) or UTF-8.
    static constexpr quint8 CodeAnsi = 0;
    static constexpr quint8 CodeUtf8 = 8;
    // A body larger than this is no page of ours: the transfer fails. The
    // official pages are under 1 MiB, the reference files far smaller.
    static constexpr qint64 MaxBodyBytes = 4 * 1024 * 1024;

    LoggedDownload();

    // True when a connection can be attempted: the machine has a network
    // interface that is up.
    bool connection() const;

    // Keeps one connection log over a whole download: the transfers made
    // while it lives show the log only when open is true and leave it open,
    // and it closes the log at its end, so that what follows a transfer
    // (reading the page, keeping the round file) is told there too. Nests:
    // the outermost one rules.
    class LogSession
    {
    public:
        explicit LogSession(bool open);
        ~LogSession();
        LogSession(const LogSession &) = delete;
        LogSession &operator=(const LogSession &) = delete;

    private:
        friend class LoggedDownload;
        bool m_outermost;
        bool m_open;
        bool m_shown = false;
    };

    bool progressOpen() const { return m_progressOpen; }
    void setProgressOpen(bool open) { m_progressOpen = open; }
    bool progressClose() const { return m_progressClose; }
    // True also closes the log window at once.
    void setProgressClose(bool close);
    QString progressDialogMessage() const { return m_progressDialogMessage; }
    void setProgressDialogMessage(const QString &message) { m_progressDialogMessage = message; }

    // Milliseconds, from the settings when made; applied when greater than 0.
    qint32 connectTimeout() const { return m_connectTimeout; }
    void setConnectTimeout(qint32 milliseconds) { m_connectTimeout = milliseconds; }
    qint32 receiveTimeout() const { return m_receiveTimeout; }
    void setReceiveTimeout(qint32 milliseconds) { m_receiveTimeout = milliseconds; }
    // The whole transfer, however steadily the bytes come; applied when
    // greater than 0. The official pages are under 1 MiB.
    qint32 transferTimeout() const { return m_transferTimeout; }
    void setTransferTimeout(qint32 milliseconds) { m_transferTimeout = milliseconds; }

    // The body of url in received and its size; 0 and an empty array
    // on any failure. proxy empty uses the system's proxy configuration.
    qint32 getHttpData(const QString &url, QByteArray &received, const QString &proxy);
    // The body decoded with encoding (CodeAnsi or CodeUtf8); empty when
    // nothing came.
    QString getHttpDataString(const QString &url, const QString &proxy,
                              quint8 encoding);
    QString getHttpDataStringUtf8(const QString &url, const QString &proxy);

    // The HTTP status of the last transfer's answer; 0 when none came.
    int statusCode() const { return m_status; }

    // With newLine a new line " <text>", else text added to the last line;
    // nothing while progressOpen is False.
    void addLog(const QString &text, bool newLine) const;

private:
    QByteArray transfer(const QString &url, const QString &proxy);
    QByteArray receive(HttpTransfer &http);
    void logFailure(const HttpTransfer &http) const;
    // The switches in force: a running log session's, else this client's own.
    bool showsLog() const;
    bool closesLog() const;

    ErrorReporter m_err{QStringLiteral("clsWinInet")};
    // From the settings when made.
    qint32 m_connectTimeout;
    qint32 m_receiveTimeout;
    qint32 m_transferTimeout;
    bool m_progressOpen = true;
    bool m_progressClose = true;
    QString m_progressDialogMessage;
    int m_status = 0;
};
