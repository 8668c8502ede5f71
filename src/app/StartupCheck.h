#pragma once

#include <QString>

// The data-folder checks that come before any window: SysData and the four
// mandatory reference files, in this order.
namespace StartupCheck {

// The message of the first failing check, or an empty text when all pass.
QString firstFailure();

} // namespace StartupCheck
