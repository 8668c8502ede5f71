#include "TracedSave.h"

#include <csignal>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TracedSave {

namespace {

[[noreturn]] void childRuns(const std::function<bool()> &save)
{
    int code = 2;
    if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0 && ::raise(SIGSTOP) == 0) {
        try {
            code = save() ? 0 : 1;
        } catch (...) {
            code = 3;
        }
    }
    ::_exit(code);
}

// The system call the child stopped on entering; false when it stopped on
// leaving one.
bool enteredCall(pid_t child, __ptrace_syscall_info &info)
{
    return ::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) > 0 && info.op == PTRACE_SYSCALL_INFO_ENTRY;
}

void note(const __ptrace_syscall_info &info, Run &result)
{
    const auto flags = info.entry.args[2];
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    const bool created = (flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL);
    // A file without a name is the new contents whatever was made before it.
    if (info.entry.nr == SYS_openat && (unnamed ? !result.newFileUnnamed : created && result.newFileOpen < 0)) {
        result.newFileOpen = result.calls;
        result.newFileUnnamed = unnamed;
    }
    if (info.entry.nr == SYS_rename || info.entry.nr == SYS_renameat || info.entry.nr == SYS_renameat2)
        result.lastRename = result.calls;
}

} // namespace

Run run(const std::function<bool()> &save, int killAt, bool *traceable)
{
    const pid_t child = ::fork();
    if (child == 0)
        childRuns(save);
    Run result;
    int status = 0;
    ::waitpid(child, &status, 0);
    const bool traced = WIFSTOPPED(status)
                        && ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) == 0;
    if (traceable)
        *traceable = traced;
    if (!traced) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return result;
    }
    int pendingSignal = 0;
    for (;;) {
        ::ptrace(PTRACE_SYSCALL, child, nullptr, pendingSignal);
        pendingSignal = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status)) {
            result.finished = WEXITSTATUS(status) == 0;
            return result;
        }
        if (WIFSIGNALED(status))
            return result;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pendingSignal = WSTOPSIG(status);   // a signal meant for the child: passed on
            continue;
        }
        __ptrace_syscall_info info{};
        if (!enteredCall(child, info))
            continue;
        if (result.calls == killAt) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            result.killed = true;
            result.killedCall = long(info.entry.nr);
            return result;
        }
        note(info, result);
        ++result.calls;
    }
}

} // namespace TracedSave
