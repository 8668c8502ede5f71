#include "acquisition/BigSettings.h"
#include "gui/Startup.h"
#include "gui/MainWindow.h"
#include "support/AppInfo.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

// The whole start-up sequence in-process, with the real windows offscreen.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingSysDataOpensNoWindow();
    void completeSysDataShowsTheMainWindow();
    void splashShowsTheLegalNotice();

private:
    static QWidgetList visibleWindows();
};

QWidgetList TestStartup::visibleWindows()
{
    QWidgetList visible;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            visible.append(widget);
    return visible;
}

void TestStartup::missingSysDataOpensNoWindow()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    QVERIFY(!Startup::showMainWindow());
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("システムデータフォルダ(SysData)が見つかりません"));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(!app.exists(QStringLiteral("SysData")));
}

void TestStartup::completeSysDataShowsTheMainWindow()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    const auto window = Startup::showMainWindow();
    QVERIFY(window);
    QCOMPARE(visibleWindows(), QWidgetList{window.get()});   // the splash has closed
    QCOMPARE(window->windowTitle(), QStringLiteral(" Quorvel  QUDO"));
    QCOMPARE(app.readFile(QStringLiteral("SysData/bigSettings.ini")),
             TestFiles::fixture(QStringLiteral("settings/bigSettings_default.ini")));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(ui.processEventsCalls() > 0);   // the splash got painted before the main window
}

void TestStartup::splashShowsTheLegalNotice()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    QStringList seenWhileLoading;
    ui.onProcessEvents = [&seenWhileLoading] {
        for (QWidget *widget : visibleWindows()) {
            seenWhileLoading.append(widget->objectName());
            if (const auto *label = widget->findChild<QLabel *>(QStringLiteral("lblCopyright")))
                seenWhileLoading.append(label->text());
        }
    };
    const auto window = Startup::showMainWindow();
    QVERIFY(window);
    QCOMPARE(seenWhileLoading.mid(0, 2), (QStringList{"frmLoad", AppInfo::legalNotice()}));
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
