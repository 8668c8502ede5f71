#include "common/TestFiles.h"

// Windows has no limit of the size of a file the process writes.
namespace TestFiles {

bool runWithFileSizeLimit(qint64 /*limitBytes*/, const std::function<void()> & /*work*/)
{
    return false;
}

} // namespace TestFiles
