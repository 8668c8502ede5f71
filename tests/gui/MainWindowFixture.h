#pragma once

#include "common/RecordingUi.h"
#include "common/ScriptedDialogs.h"
#include "common/TestAppFolder.h"

#include <QString>
#include <QStringList>

#include <memory>

class MainWindow;

// What every main-window test stands on: an application folder with the
// shipped reference files, the round files of the stand-in site's rounds
// that a test names, QUDO.ini naming the round to open, and a recording Ui.
struct MainWindowFixture
{
    // kinds: "schedule", "vote", "result" of round 1478.
    explicit MainWindowFixture(const QStringList &kinds, qint32 savedRound = 1478);

    // The real main window, built as the program builds it, with the file
    // dialogs answering from the test.
    std::unique_ptr<MainWindow> openWindow();

    TestAppFolder app{TestAppFolder::SysData::Shipped};
    RecordingUi ui;
    ScriptedDialogs dialogs;
};
