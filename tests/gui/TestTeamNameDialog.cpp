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
    TeamNames().getShortTeamName(officialName, 1000);
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
    TeamNames::clearMissingTeamName();
}

void TestTeamNameDialog::showsItsTextsAndPresetsTheMissingName()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    makeMissing(ui, QStringLiteral("ＦＣクオーヴェル"));

    TeamNameDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" チーム名（ユーザー定義）"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.shortNameEdit()->text(), QStringLiteral("FCｸｵｰｳﾞｪﾙ"));
    QCOMPARE(dialog.fullNameEdit()->text(), QStringLiteral("ＦＣクオーヴェル"));
    QCOMPARE(dialog.addButton()->text(), QStringLiteral("追加"));
    QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("キャンセル"));
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
    TeamNameDialog dialog;
    QVERIFY(showOnScreen(dialog));

    QTest::keyClicks(dialog.shortNameEdit(), QStringLiteral("ABCDEFG"));
    QTest::keyClicks(dialog.fullNameEdit(), QStringLiteral("Sample FC"));
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);

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
    TeamNameDialog dialog;
    QVERIFY(showOnScreen(dialog));

    dialog.shortNameEdit()->clear();
    QTest::keyClicks(dialog.shortNameEdit(), QStringLiteral("ABC"));
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("チーム名追加"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("チーム名(Sample FC)を追加しました。"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(app.readFile(QStringLiteral("SysData/TeamName3.dat")),
             TestFiles::sjis(QStringLiteral(";Quorvel TeamName User Data File (TeamName3.dat)\r\nABC    = Sample FC\r\n")));
    QVERIFY(TeamNames::missingTeamName().isEmpty());
    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Sample FC"), 1000), QStringLiteral("ABC"));
}

void TestTeamNameDialog::cancelChangesNothing()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    makeMissing(ui, QStringLiteral("Sample FC"));
    TeamNameDialog dialog;
    QVERIFY(showOnScreen(dialog));

    QTest::keyClicks(dialog.shortNameEdit(), QStringLiteral("X"));
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(!app.exists(QStringLiteral("SysData/TeamName3.dat")));
    QCOMPARE(TeamNames::missingTeamName(), QStringLiteral("Sample FC"));
}

QTEST_MAIN(TestTeamNameDialog)
#include "TestTeamNameDialog.moc"
