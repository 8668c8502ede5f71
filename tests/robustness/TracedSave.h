#pragma once

#include <functional>

// Runs a save in a child process, a fork of the test, that stops itself just
// before the save and is then stepped by the test from one system call to
// the next, so that it can be killed with SIGKILL at any chosen one. The
// child ends without running any destructor of the test's objects.
namespace TracedSave {

struct Run
{
    bool finished = false;   // the save ran to its end and returned true
    bool killed = false;
    int calls = 0;           // system calls entered before the end or the kill
    long killedCall = -1;    // the number (SYS_...) of the system call the kill stopped
    // Where the file's write begins: the call that made the file of the new
    // contents (without a name, or new under a name of its own), and the
    // last rename; -1 when there was none.
    int newFileOpen = -1;
    bool newFileUnnamed = false;
    int lastRename = -1;
};

// killAt < 0: the save runs to its end. Otherwise the child is killed on
// entering its system call number killAt (from 0): the ones before it have
// been made, that one never is. traceable is false when this system does not
// let the test trace its child.
Run run(const std::function<bool()> &save, int killAt, bool *traceable = nullptr);

} // namespace TracedSave
