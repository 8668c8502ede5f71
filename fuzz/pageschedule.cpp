#include "acquisition/SchedulePageReader.h"
#include "acquisition/ScheduleWorkflow.h"
#include "common/WrittenRecords.h"
#include "rounddata/ScheduleFile.h"

namespace {

// A match the page gave is given whole: its day, teams and status.
void checkMatches(const ScheduleData &schedule)
{
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.game[match];
        if (game == ScheduleGame())
            continue;
        FUZZ_CHECK(game.gameDate.isSet() && !game.home.isEmpty() && !game.away.isEmpty());
        FUZZ_CHECK(game.status == QStringLiteral("VS") || game.status == QStringLiteral("中止"));
    }
}

} // namespace

// The designated-match page reader on any text lines (no server): a failed
// read holds no record; a record that passes the workflow's test is kept
// as a round file that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    static SchedulePageReader page;
    if (!page.readLines(Fuzz::pageLines(Fuzz::bytes(data, size)), 1478, QString())) {
        FUZZ_CHECK(page.schedule() == ScheduleData());
        return 0;
    }
    FUZZ_CHECK(!page.Unpublished());
    checkMatches(page.schedule());
    if (ScheduleWorkflow::isScheduleValid(page.schedule()))
        WrittenRecords::checkSavedAndLoaded(page.schedule(), &ScheduleFile::setSchedule, &ScheduleFile::schedule,
                                            QStringLiteral("schedule.xml"));
    return 0;
}
