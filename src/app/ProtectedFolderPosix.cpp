#include "app/ProtectedFolder.h"

#include <unistd.h>

// Linux and macOS: root may write anywhere.
bool ProtectedFolder::userIsAdministrator()
{
    return ::geteuid() == 0;
}
