#pragma once

#include <memory>

class frmMain;

// The program's entry sequence.
namespace basMain {

// Checks the data folder, loads the settings, shows the splash and then the
// main window. Returns the main window, or nothing when a check failed (its
// message has been shown and no window was opened).
std::unique_ptr<frmMain> Main();

} // namespace basMain
