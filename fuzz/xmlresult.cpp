#include "common/WrittenRecords.h"
#include "rounddata/ResultFile.h"

// The result round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ResultData held;
    held.Kaisaikai = 987654;
    held.Game[1].Home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &clsXmlResult::setResult, &clsXmlResult::Result);
    return 0;
}
