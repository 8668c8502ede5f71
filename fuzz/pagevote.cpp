#include "acquisition/VotePageReader.h"
#include "acquisition/VoteWorkflow.h"
#include "common/WrittenRecords.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

// The schedules of the stand-in site's rounds, by round.
const QHash<qint32, ScheduleData> &schedules()
{
    static const QHash<qint32, ScheduleData> byRound = [] {
        QHash<qint32, ScheduleData> loaded;
        const QDir folder(QStringLiteral(QUDO_TEST_DATA_DIR "/official/expected"));
        for (const QString &name : folder.entryList({QStringLiteral("big_schedule_*.xml")})) {
            ScheduleFile xml;
            if (xml.xmlLoad(folder.filePath(name)))
                loaded.insert(xml.schedule().roundNumber, xml.schedule());
        }
        return loaded;
    }();
    return byRound;
}

} // namespace

// The vote-status page reader on any text lines (no server), and the
// carrying over of its toto matches to the BIG matches of the round's
// schedule: a page read whole has all 13 toto matches; a vote record that
// passes the workflow's test is kept as a round file that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    static VotePageReader page;
    VotePageReader::TotoPage toto;
    const VotePageReader::Outcome outcome = page.readLines(Fuzz::pageLines(Fuzz::bytes(data, size)), toto);
    FUZZ_CHECK(page.Unpublished() == (outcome == VotePageReader::Outcome::Unpublished));
    if (outcome != VotePageReader::Outcome::Read)
        return 0;
    FUZZ_CHECK(std::all_of(toto.Read.begin() + 1, toto.Read.end(), [](bool read) { return read; }));
    FUZZ_CHECK(toto.voteTime.isSet());
    const ScheduleData schedule = schedules().value(toto.roundNumber, schedules().value(1478));
    const VoteData vote = page.carryOver(toto, schedule, QString());
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        FUZZ_CHECK(vote.game[match].home == schedule.game[match].home && vote.game[match].away == schedule.game[match].away);
    if (VoteWorkflow::isVoteValid(vote))
        WrittenRecords::checkSavedAndLoaded(vote, &VoteFile::setVote, &VoteFile::vote, QStringLiteral("vote.xml"));
    return 0;
}
