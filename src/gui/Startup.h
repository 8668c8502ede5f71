#pragma once

#include <memory>

class MainWindow;

// The program's entry sequence.
namespace Startup {

// Checks the data folder, loads the settings, shows the splash and then the
// main window. Returns the main window, or nothing when a check failed (its
// message has been shown and no window was opened).
std::unique_ptr<MainWindow> showMainWindow();

} // namespace Startup
