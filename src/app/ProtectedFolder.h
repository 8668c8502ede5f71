#pragma once

#include <QString>

// Whether the program may write the team-name update into its own folder.
// A folder under one of Windows' protected folders needs administrator
// rights; on every platform, a folder the user cannot write to needs them.
namespace ProtectedFolder {

bool isProtected(const QString &folder);
bool userIsAdministrator();
// Tells the user with the warning box when the update cannot be written.
bool checkUpdateAllowed(const QString &folder);

} // namespace ProtectedFolder
