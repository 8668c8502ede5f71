#pragma once

#include "acquisition/OfficialPage.h"
#include "lottery/TeamNames.h"
#include "rounddata/RoundData.h"

#include <QString>
#include <array>

class PageLines;

// Reads the official toto vote-status page of one round and carries the vote
// shares of its 13 toto matches over to the 14 BIG matches of the round's
// schedule file, matching home and away team names.
class VotePageReader : public OfficialPage
{
public:
    // Copies the page address from the settings.
    VotePageReader();

    // Downloads and reads the page; on success the held record is replaced.
    // isFinal tells whether the status is the final one, taken at the end of
    // sales. The toto matches are placed on the round's complete schedule.
    bool getVote(qint32 roundNumber, const QString &group, const ScheduleData &schedule, bool &isFinal);
    const VoteData &vote() const { return m_vote; }
    QString url(qint32 roundNumber) const;

    // toto's matches per round, numbered 1 to 13.
    static constexpr int TotoMatchCount = 13;

    // One toto match as the page writes it.
    struct TotoGame
    {
        QString home;
        QString away;
        OleDate gameDate;
        OleDate startTime;
        std::array<VoteShare, RoundData::MarkCount> votes{};
    };
    // What the page gives before it is carried over to the BIG matches.
    struct TotoPage
    {
        qint32 roundNumber = 0;
        OleDate voteTime;
        bool final = false;
        OleDate saleEnd;
        std::array<TotoGame, TotoMatchCount + 1> game{};   // index 1..13
        std::array<bool, TotoMatchCount + 1> Read{};       // which toto matches the page gave
    };

    enum class Outcome { Read, Unpublished, Failed };

    // Reads a page already reduced to its text lines into page, as getVote
    // does after the fetch. Unpublished also sets Unpublished().
    Outcome readLines(const QStringList &lines, TotoPage &page);
    // The vote record of the round: the BIG matches of the schedule, each with
    // the shares of the toto match of the same home and away clubs (none when
    // toto does not have it). The page writes names its own way (FC東京,
    // 横浜FM): both sides are compared as the short names the team files give
    // them, in their folded forms. A toto match that finds no BIG match is
    // told in the connection log, with the names the schedule lacks.
    VoteData carryOver(const TotoPage &page, const ScheduleData &schedule, const QString &group) const;

private:
    Outcome read(const PageLines &lines, TotoPage &page);
    bool readMatch(const PageLines &lines, int &i, int year, OleDate &day, OleDate &time, TotoPage &page);
    // The form in which a club is compared: its short name when the team
    // files know the name, folded.
    QString club(const QString &name) const;
    void logUnplaced(int toto, const TotoGame &game, const QStringList &scheduleClubs) const;

    TeamNames m_teams;
    QString m_urlHead;
    QString m_urlTail;
    VoteData m_vote;
};
