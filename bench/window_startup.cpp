// Start-up to a shown main window with round 1478 loaded (schedule, vote and
// result files), against a minimal Qt main window started the same way: each
// figure is a whole process, from its start to the end of the first pass of
// the event loop after the window was shown.
//
//   bench_window_startup [runs]

#include "gui/QtUi.h"
#include "gui/Startup.h"
#include "gui/MainWindow.h"
#include "support/AppFolder.h"
#include "WindowAppFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int runChild(int argc, char *argv[], const QString &mode, const QString &folder)
{
    QApplication app(argc, argv);
    if (mode == QStringLiteral("--minimal") || mode == QStringLiteral("--minimal-text")) {
        QMainWindow window;
        window.resize(1005, 680);
        // The same window with one line of Japanese: what the first text costs.
        if (mode == QStringLiteral("--minimal-text"))
            window.setCentralWidget(new QLabel(QStringLiteral("第 1478 回　販売終了")));
        window.show();
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return app.exec();
    }
    AppFolder::setPath(folder);
    QtUi ui;
    Ui::install(&ui);
    const auto window = Startup::showMainWindow();
    if (!window || window->document().schedule().roundNumber != 1478)
        return 2;
    // Set only now: the splash lets events run, and a quit before exec is lost.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> timeRuns(const QString &program, const QStringList &arguments, int runs)
{
    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const int code = QProcess::execute(program, arguments);
        if (code != 0)
            std::printf("run %d of %s ended with %d\n", run, qPrintable(arguments.join(u' ')), code);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return milliseconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && QLatin1String(argv[1]).startsWith(QLatin1String("--")))
        return runChild(argc, argv, QString::fromLocal8Bit(argv[1]), argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString());

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 15;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    prepare(folder.path());
    const QString self = QCoreApplication::applicationFilePath();
    const std::vector<double> qudo = timeRuns(self, {QStringLiteral("--qudo"), folder.path()}, runs);
    const std::vector<double> minimal = timeRuns(self, {QStringLiteral("--minimal")}, runs);
    const std::vector<double> minimalText = timeRuns(self, {QStringLiteral("--minimal-text")}, runs);
    const double ratio = median(qudo) / median(minimal);
    std::printf("start-up to a shown window, median of %d runs (offscreen):\n", runs);
    std::printf("  QUDO with round 1478 loaded: %7.1f ms (min %.1f, max %.1f)\n", median(qudo),
                *std::min_element(qudo.begin(), qudo.end()), *std::max_element(qudo.begin(), qudo.end()));
    std::printf("  minimal Qt main window:      %7.1f ms (min %.1f, max %.1f)\n", median(minimal),
                *std::min_element(minimal.begin(), minimal.end()), *std::max_element(minimal.begin(), minimal.end()));
    std::printf("  minimal window, one Japanese label: %5.1f ms (%.2f of the minimal window)\n", median(minimalText),
                median(minimalText) / median(minimal));
    std::printf("  ratio: %.2f (goal: at most 1.3); %.2f of the window with one Japanese label\n", ratio,
                median(qudo) / median(minimalText));
    return 0;
}
