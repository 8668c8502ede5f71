#include "common/WrittenRecords.h"
#include "rounddata/ScheduleFile.h"

// The schedule round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ScheduleData held;
    held.Kaisaikai = 987654;
    held.Game[1].Home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &clsXmlSchedule::setSchedule, &clsXmlSchedule::Schedule);
    return 0;
}
