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
            clsXmlSchedule xml;
            if (xml.XmlLoad(folder.filePath(name)))
                loaded.insert(xml.Schedule().Kaisaikai, xml.Schedule());
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
    static clsHtmlVote page;
    clsHtmlVote::TotoPage toto;
    const clsHtmlVote::Outcome outcome = page.ReadLines(Fuzz::pageLines(Fuzz::bytes(data, size)), toto);
    FUZZ_CHECK(page.Unpublished() == (outcome == clsHtmlVote::Outcome::Unpublished));
    if (outcome != clsHtmlVote::Outcome::Read)
        return 0;
    FUZZ_CHECK(std::all_of(toto.Read.begin() + 1, toto.Read.end(), [](bool read) { return read; }));
    FUZZ_CHECK(toto.VoteTime.isSet());
    const ScheduleData schedule = schedules().value(toto.Kaisaikai, schedules().value(1478));
    const VoteData vote = page.CarryOver(toto, schedule, QString());
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        FUZZ_CHECK(vote.Game[match].Home == schedule.Game[match].Home && vote.Game[match].Away == schedule.Game[match].Away);
    if (clsVote::IsVoteValid(vote))
        WrittenRecords::checkSavedAndLoaded(vote, &clsXmlVote::setVote, &clsXmlVote::Vote, QStringLiteral("vote.xml"));
    return 0;
}
