#include "common/WrittenRecords.h"
#include "rounddata/VoteFile.h"

// The vote round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    VoteData held;
    held.Kaisaikai = 987654;
    held.Game[1].Home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &clsXmlVote::setVote, &clsXmlVote::Vote);
    return 0;
}
