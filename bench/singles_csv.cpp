// Saving and loading the CSV file of every single (4,782,969 lines), each
// beside the plain system tools on the same file in the same run: `wc -l`
// for the load, `cat > file` for the save. The progress window is on: a port
// that counts its calls and lets Qt's pending events run as the program's
// port does: offered every 1,001 lines, run at most once per pacing interval.

#include "lottery/SingleCode.h"
#include "singles/SinglesCsvFile.h"
#include "support/EventPacer.h"
#include "support/Ui.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <malloc.h>
#include <sys/resource.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <vector>

namespace {

using Singles = std::vector<qint32>;
constexpr int rounds = 7;

// The progress window's calls counted; pending events run as in the program.
class CountingUi final : public Ui
{
public:
    Answer showMessage(Icon, const QString &title, const QString &text, Buttons) override
    {
        std::printf("  box: %s: %s\n", qPrintable(title), qPrintable(text));
        return Answer::No;
    }
    void setBusy(bool) override {}
    void processEvents() override
    {
        ++offers;
        if (!m_pacer.due())
            return;
        ++events;
        QCoreApplication::processEvents();
    }
    void setProgressValue(qint32) override { ++values; }

    long offers = 0;
    long events = 0;
    long values = 0;

private:
    EventPacer m_pacer;
};

// Wall and processor time (user and system, of this process or of the
// commands it ran) of a run, in milliseconds; the best of every round is kept
// because the machine is shared.
struct Timing
{
    double wall = 1e30;
    double cpu = 1e30;
};

double cpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void timeRun(Timing &timing, const std::function<void()> &work, int who = RUSAGE_SELF)
{
    const double cpu = cpuMs(who);
    QElapsedTimer timer;
    timer.start();
    work();
    timing.wall = std::min(timing.wall, double(timer.nsecsElapsed()) / 1e6);
    timing.cpu = std::min(timing.cpu, cpuMs(who) - cpu);
}

void timeCommand(Timing &timing, const QString &command)
{
    timeRun(timing, [&] {
        if (std::system(command.toLocal8Bit().constData()) != 0)
            std::printf("  command failed: %s\n", qPrintable(command));
    }, RUSAGE_CHILDREN);
}

// kB of a line of /proc/self/status.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Freed memory goes back to the system, and the peak resident size starts
// again from the current one.
void resetPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void compare(const char *what, const Timing &ours, const char *name, const Timing &reference)
{
    std::printf("  %-24s wall %7.1f ms, processor %7.1f ms;  %-22s wall %6.1f ms, processor %6.1f ms;  "
                "ratio wall %.2f, processor %.2f\n",
                what, ours.wall, ours.cpu, name, reference.wall, reference.cpu, ours.wall / reference.wall,
                ours.cpu / reference.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("A-999.csv"));
    const QString copy = folder.filePath(QStringLiteral("copy.csv"));
    const double listMb = double(SingleCode::CodeCount) * sizeof(qint32) / 1e6;

    Singles every(SingleCode::CodeCount);
    std::iota(every.begin(), every.end(), 0);
    SinglesCsvFile csv;
    Singles loaded;
    qint32 count = 0;
    const auto load = [&] {
        loaded = Singles();
        csv.csvLoad(file, count, loaded);
    };

    CountingUi ui;
    Ui::install(&ui);
    Timing save, cat, catSync, wc, read, quietSave, quietRead;
    for (int round = 0; round < rounds; ++round) {
        timeRun(save, [&] { csv.csvSave(file, every); });
        timeCommand(cat, QStringLiteral("cat '%1' > '%2'").arg(file, copy));
        timeCommand(catSync, QStringLiteral("cat '%1' > '%2'; sync '%2'").arg(file, copy));
        timeCommand(wc, QStringLiteral("wc -l '%1' > /dev/null").arg(file));
        timeRun(read, load);
    }
    const long offers = ui.offers / rounds, events = ui.events / rounds, values = ui.values / rounds;
    const bool complete = count == SingleCode::CodeCount && std::is_sorted(loaded.begin(), loaded.end());

    // The same with no progress window at all (the fallback port).
    Ui::install(nullptr);
    for (int round = 0; round < rounds; ++round) {
        timeRun(quietSave, [&] { csv.csvSave(file, every); });
        timeRun(quietRead, load);
    }

    std::printf("every single: %d lines, list %.1f MB, file %.1f MB; best of %d rounds\n", SingleCode::CodeCount,
                listMb, double(QFileInfo(file).size()) / 1e6, rounds);
    std::printf("progress window on (values every 1,001 lines, pending events at most every %lld ms):\n",
                (long long)EventPacer::IntervalMs);
    compare("CsvSave", save, "cat > file", cat);
    compare("CsvSave", save, "cat > file; sync file", catSync);
    compare("CsvLoad", read, "wc -l", wc);
    std::printf("  per save and load together: %ld progress values, %ld offers and %ld runs of pending events; "
                "loaded list %s\n",
                values, offers, events, complete ? "complete" : "WRONG");
    std::printf("fallback port (no window):\n");
    compare("CsvSave", quietSave, "cat > file", cat);
    compare("CsvLoad", quietRead, "wc -l", wc);

    // Memory of one load, with nothing held before it.
    every = Singles();
    loaded = Singles();
    resetPeak();
    const long before = statusKb("VmRSS:");
    csv.csvLoad(file, count, loaded);
    const long peak = statusKb("VmHWM:");
    std::printf("memory: resident %.1f MB before the load, peak %.1f MB during it: the load took %.1f MB "
                "= %.2f x the list (goal <= 1.5)\n",
                before / 1e3, peak / 1e3, (peak - before) / 1e3, (peak - before) / 1e3 / listMb);
    return 0;
}
