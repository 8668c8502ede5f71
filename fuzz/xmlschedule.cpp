#include "common/WrittenRecords.h"
#include "rounddata/ScheduleFile.h"

// The schedule round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ScheduleData held;
    held.roundNumber = 987654;
    held.game[1].home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &ScheduleFile::setSchedule, &ScheduleFile::schedule);
    return 0;
}
