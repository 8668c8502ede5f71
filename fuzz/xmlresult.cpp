#include "common/WrittenRecords.h"
#include "rounddata/ResultFile.h"

// The result round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ResultData held;
    held.roundNumber = 987654;
    held.game[1].home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &ResultFile::setResult, &ResultFile::result);
    return 0;
}
