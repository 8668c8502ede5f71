#include "acquisition/SchedulePageReader.h"
#include "acquisition/ScheduleWorkflow.h"
#include "common/WrittenRecords.h"
#include "rounddata/ScheduleFile.h"

namespace {

// A match the page gave is given whole: its day, teams and status.
void checkMatches(const ScheduleData &schedule)
{
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.Game[match];
        if (game == ScheduleGame())
            continue;
        FUZZ_CHECK(game.GameDate.isSet() && !game.Home.isEmpty() && !game.Away.isEmpty());
        FUZZ_CHECK(game.Status == QStringLiteral("VS") || game.Status == QStringLiteral("中止"));
    }
}

} // namespace

// The designated-match page reader on any text lines (no server): a failed
// read holds no record; a record that passes the workflow's test is kept
// as a round file that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    static clsHtmlSchedule page;
    if (!page.ReadLines(Fuzz::pageLines(Fuzz::bytes(data, size)), 1478, QString())) {
        FUZZ_CHECK(page.Schedule() == ScheduleData());
        return 0;
    }
    FUZZ_CHECK(!page.Unpublished());
    checkMatches(page.Schedule());
    if (clsSchedule::IsScheduleValid(page.Schedule()))
        WrittenRecords::checkSavedAndLoaded(page.Schedule(), &clsXmlSchedule::setSchedule, &clsXmlSchedule::Schedule,
                                            QStringLiteral("schedule.xml"));
    return 0;
}
