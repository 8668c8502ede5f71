// The whole space of singles in the real main window (offscreen): a CSV file
// of all 4,782,969 singles opened through the code of 開く (no file dialog),
// timed until the singles page shows it, and a whole-list replacement (as a
// sort or a clipboard import makes one) until the singles page and then the
// check page show it. The reference, from the same run, is the plain CSV
// load of the same file.
//
//   bench_window_open [runs]

#include "app/MainCommands.h"
#include "app/MainDocument.h"
#include "gui/MenuCommands.h"
#include "gui/QtUi.h"
#include "gui/Startup.h"
#include "gui/MainWindow.h"
#include "lottery/SingleCode.h"
#include "singles/SinglesCsvFile.h"
#include "support/AppFolder.h"
#include "WindowAppFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> timeRuns(int runs, const std::function<void()> &prepareRun, const std::function<void()> &run)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < runs; ++i) {
        prepareRun();
        QElapsedTimer timer;
        timer.start();
        run();
        QApplication::processEvents();   // the pages show what changed
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return milliseconds;
}

void print(const char *what, const std::vector<double> &times, double reference)
{
    std::printf("  %-44s %8.1f ms  (%.2f x the plain load)\n", what, median(times), median(times) / reference);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir folder;
    prepare(folder.path());
    AppFolder::setPath(folder.path());
    QtUi ui;
    Ui::install(&ui);
    const auto window = Startup::showMainWindow();
    if (!window)
        return 2;
    QApplication::processEvents();

    QList<qint32> space(SingleCode::MaxCode + 1);
    std::iota(space.begin(), space.end(), 0);
    const QString path = folder.path() + QStringLiteral("/UserData/QUDO/A-1478.csv");
    if (!SinglesCsvFile().csvSave(path, space))
        return 3;

    const std::vector<double> plain = timeRuns(runs, [] {}, [&] {
        qint32 count = 0;
        std::vector<qint32> singles;
        SinglesCsvFile().csvLoad(path, count, singles);
    });
    MainDocument &document = window->document();
    MainCommands &commands = window->commands().commands();
    const std::vector<double> open = timeRuns(runs, [&] { document.selectPage(MainDocument::PageHome); },
                                              [&] { commands.openPath(path); });
    QList<qint32> reversed(space.rbegin(), space.rend());
    const std::vector<double> replaceSingles = timeRuns(runs, [&] { std::swap(space, reversed); }, [&] {
        document.replaceSingles(space);
        document.selectPage(MainDocument::PageSingles);
    });
    const std::vector<double> replaceCheck = timeRuns(runs, [&] { std::swap(space, reversed); }, [&] {
        document.replaceSingles(space);
        document.selectPage(MainDocument::PageCheck);
    });
    const QString shown = window->findChild<QLabel *>(QStringLiteral("lblResultCount"))->text();

    std::printf("the whole space (4,782,969 singles) in the main window, median of %d runs (offscreen)\n", runs);
    std::printf("  %-44s %8.1f ms\n", "plain CSV load (reference)", median(plain));
    print("開く until the singles page shows it", open, median(plain));
    print("list replaced, singles page shown", replaceSingles, median(plain));
    print("list replaced, check page shown (graded)", replaceCheck, median(plain));
    std::printf("  the check page shows %s singles (goal for each: 0.5 s)\n", qPrintable(shown));
    return 0;
}
