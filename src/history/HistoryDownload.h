#pragma once

#include <QList>
#include <QString>

// Downloads the results of many rounds in one go through the program's
// result download (same address, same file, same rules): one round at a
// time, at least a second between two requests, with the progress window
// naming the round and its "中止" button, which stops after the current
// round. Nothing is asked per round; every result is kept as it comes, so a
// stop or a server that goes away loses nothing already downloaded. One box
// at the end tells how it went.
class HistoryDownload
{
public:
    struct Summary
    {
        int downloaded = 0;
        int Unpublished = 0;
        int Failed = 0;
        bool Stopped = false;      // the user pressed 中止
        bool unreachable = false;  // offline, or the server stopped answering
    };

    // Two failures in a row mean the server is not answering: the rest is
    // not asked for.
    static constexpr int FailuresOfDeadServer = 2;

    // Milliseconds between the end of one request and the start of the next.
    void setInterval(int milliseconds) { m_interval = milliseconds; }

    // The rounds in the order given; then the box. Without rounds, a box
    // says there is nothing to download.
    Summary Run(const QList<qint32> &rounds);
    static QString summaryText(const Summary &summary);

private:
    Summary download(const QList<qint32> &rounds);
    // Waits out the interval while window events run; false when 中止 was pressed.
    bool pause() const;

    int m_interval = 1000;
};
