#include "common/TestFiles.h"

#include <csignal>
#include <sys/resource.h>

// Linux and macOS: the limit of the size of a file the process writes.
namespace TestFiles {

bool runWithFileSizeLimit(qint64 limitBytes, const std::function<void()> &work)
{
    std::signal(SIGXFSZ, SIG_IGN);   // a write beyond the limit fails instead
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = rlim_t(limitBytes);
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
        return false;
    work();
    setrlimit(RLIMIT_FSIZE, &previous);
    return true;
}

} // namespace TestFiles
