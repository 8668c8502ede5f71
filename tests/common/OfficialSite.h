#pragma once

#include "common/LoopbackHttpServer.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "rounddata/RoundData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The stand-in official lottery site of tests/data/official served on
// 127.0.0.1 at the official paths (site.tsv maps each address to its page),
// with SysData\bigSettings.ini of the current application folder pointing at
// it, so that a test runs the download path users run: settings, address,
// HTTP client, text lines, page reader, workflow, round file.
class OfficialSite
{
public:
    OfficialSite();

    bool isListening() const;
    // "http://127.0.0.1:<port>".
    QString origin() const;
    // Writes bigSettings.ini with the page addresses on this server and loads it.
    void pointSettingsHere() const;
    // The same for a server that has gone away: nothing listens there.
    static void pointSettingsAtDeadServer();

    // Points the team-name update at this server (it serves the download
    // folder too), or at a server that has gone away.
    void pointUpdateHere() const;
    static void pointUpdateAtDeadServer();

    // Answers the address with body in place of its page.
    void serve(const QString &address, const QByteArray &body);
    void serve(const QString &address, const LoopbackHttpServer::Response &response);
    // How many requests asked for the address so far.
    int requestsFor(const QString &address) const;
    int requests() const;

    // The addresses the program asks for.
    static QString scheduleAddress(int round);
    static QString voteAddress(int round);
    static QString resultAddress(int round);

    // A page of the site and an expected round file.
    static QByteArray page(const QString &fileName);
    static QString pageText(const QString &fileName);
    static QByteArray expectedFile(const QString &fileName);
    // A file of the stand-in download server (version.dat, TeamName2.dat).
    static QByteArray updateFile(const QString &fileName);

private:
    static void pointSettingsAt(const QString &origin);

    LoopbackHttpServer m_server;
};

// What every download test stands on: a fresh application folder with the
// shipped reference files, a recording Ui and the stand-in site, with the
// settings pointing at the site.
struct DownloadTestBed
{
    DownloadTestBed() { site.pointSettingsHere(); }

    TestAppFolder app{TestAppFolder::SysData::Shipped};
    RecordingUi ui;
    OfficialSite site;
};

// The schedule of the round as its round file gives it, as the program holds
// it when it asks for the vote status; empty without a complete file.
ScheduleData heldSchedule(int round);

// The first lines of the connection log of the last download: the message,
// "[コネクション開始]" and the address asked for.
QStringList connectionLogHead(const RecordingUi &ui);

// Message boxes as "icon|title|text" so that a test compares them in one go.
QString boxLine(Ui::Icon icon, const QString &title, const QString &text);
QStringList boxLines(const RecordingUi &ui);

// The boxes of the download workflows for a kind word (開催情報, 投票状況, くじ結果).
QString questionBox(const QString &kind);
QString failureBox(const QString &kind);
QString unpublishedBox(int round, const QString &kind);
