#include "common/WrittenRecords.h"
#include "rounddata/VoteFile.h"

// The vote round file on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    VoteData held;
    held.roundNumber = 987654;
    held.game[1].home = QStringLiteral("held");
    WrittenRecords::checkRoundFile(Fuzz::bytes(data, size), held, &VoteFile::setVote, &VoteFile::vote);
    return 0;
}
