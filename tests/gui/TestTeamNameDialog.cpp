#include "lottery/TeamNames.h"
#include "gui/TeamNameDialog.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A failed lookup, as a schedule download makes one; its warning is forgotten.
void makeMissing(RecordingUi &ui, const QString &officialName)
{
    clsTotoData().GetShortTeamName(officialName, 1000);
    ui.clear();
}

bool showOnScreen(QWidget &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

} // namespace

// The team-name dialog driven as the user drives it: keys and clicks.
class TestTeamNameDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void showsItsTextsAndPresetsTheMissingName();
    void rejectedInputKeepsTheDialogOpen();
    void addWritesTheEntryAndCloses();
    void cancelChangesNothing();
};

void TestTeamNameDialog::init()
{
    clsTotoData::ClearMissingTeamName();
}

void TestTeamNameDialog::showsItsTextsAndPresetsTheMissingName()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    makeMissing(ui, QStringLiteral("ＦＣクオーヴェル"));

    frmTeamName dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" チーム名（ユーザー定義）"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.txtRyakusho()->text(), QStringLiteral("FCｸｵｰｳﾞｪﾙ"));
    QCOMPARE(dialog.txtMeisho()->text(), QStringLiteral("ＦＣクオーヴェル"));
    QCOMPARE(dialog.cmdAdd()->text(), QStringLiteral("追加"));
    QCOMPARE(dialog.cmdCancel()->text(), QStringLiteral("キャンセル"));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels.append(label->text());
    for (const char *text : {"略称", "名称", "追加するチーム名を入力して下さい",
                             "略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
}

void TestTeamNameDialog::rejectedInputKeepsTheDialogOpen()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    frmTeamName dialog;
    QVERIFY(showOnScreen(dialog));

    QTest::keyClicks(dialog.txtRyakusho(), QStringLiteral("ABCDEFG"));
    QTest::keyClicks(dialog.txtMeisho(), QStringLiteral("Sample FC"));
    QTest::mouseClick(dialog.cmdAdd(), Qt::LeftButton);

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("入力エラー"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("略称は6文字以内で入力して下さい。"));
    QVERIFY(dialog.isVisible());
    // The first press made the user file, with its comment line only.
    QCOMPARE(app.readFile(QStringLiteral("SysData/TeamName3.dat")),
             TestFiles::sjis(QStringLiteral(";Quorvel TeamName User Data File (TeamName3.dat)\r\n")));
}

void TestTeamNameDialog::addWritesTheEntryAndCloses()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    makeMissing(ui, QStringLiteral("Sample FC"));
    frmTeamName dialog;
    QVERIFY(showOnScreen(dialog));

    dialog.txtRyakusho()->clear();
    QTest::keyClicks(dialog.txtRyakusho(), QStringLiteral("ABC"));
    QTest::mouseClick(dialog.cmdAdd(), Qt::LeftButton);

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("チーム名追加"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("チーム名(Sample FC)を追加しました。"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(app.readFile(QStringLiteral("SysData/TeamName3.dat")),
             TestFiles::sjis(QStringLiteral(";Quorvel TeamName User Data File (TeamName3.dat)\r\nABC    = Sample FC\r\n")));
    QVERIFY(clsTotoData::MissingTeamName().isEmpty());
    QCOMPARE(clsTotoData().GetShortTeamName(QStringLiteral("Sample FC"), 1000), QStringLiteral("ABC"));
}

void TestTeamNameDialog::cancelChangesNothing()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    makeMissing(ui, QStringLiteral("Sample FC"));
    frmTeamName dialog;
    QVERIFY(showOnScreen(dialog));

    QTest::keyClicks(dialog.txtRyakusho(), QStringLiteral("X"));
    QTest::mouseClick(dialog.cmdCancel(), Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(!app.exists(QStringLiteral("SysData/TeamName3.dat")));
    QCOMPARE(clsTotoData::MissingTeamName(), QStringLiteral("Sample FC"));
}

QTEST_MAIN(TestTeamNameDialog)
#include "TestTeamNameDialog.moc"
