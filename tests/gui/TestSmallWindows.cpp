#include "common/RecordingUi.h"
#include "gui/AboutDialog.h"
#include "gui/NumberEntryDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The number-entry dialog and the About window, driven
// as a user drives them.
class TestSmallWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberEntryTakesMarksOnly();
    void numberEntryRefusesPastedText();
    void numberEntryCancelled();
    void aboutShowsVersionAndLinks();
};

namespace {

// Runs action once the modal dialog of type T is open.
template<typename T>
void whenOpen(std::function<void(T &)> action)
{
    QTimer::singleShot(0, [action] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<T *>(widget); dialog && dialog->isVisible())
                return action(*dialog);
    });
}

} // namespace

void TestSmallWindows::numberEntryTakesMarksOnly()
{
    RecordingUi ui;
    whenOpen<NumberEntryDialog>([](NumberEntryDialog &dialog) {
        QTest::keyClicks(dialog.numberEdit(), QStringLiteral("3a 1"));
        QCOMPARE(dialog.numberEdit()->text(), QStringLiteral("1"));
        QVERIFY(!dialog.okButton()->isEnabled());
        QTest::keyClicks(dialog.numberEdit(), QStringLiteral("1111111111111"));
        QVERIFY(dialog.okButton()->isEnabled());
        QTest::keyClicks(dialog.numberEdit(), QStringLiteral("1"));   // the fifteenth does not fit
        QCOMPARE(dialog.numberEdit()->text().size(), 14);
        dialog.okButton()->click();
    });
    QCOMPARE(NumberEntryDialog::showDialog(nullptr), QStringLiteral("11111111111111"));
    QVERIFY(ui.boxes().isEmpty());
}

void TestSmallWindows::numberEntryRefusesPastedText()
{
    RecordingUi ui;
    whenOpen<NumberEntryDialog>([&ui](NumberEntryDialog &dialog) {
        QGuiApplication::clipboard()->setText(QStringLiteral("11111111111113"));
        dialog.numberEdit()->paste();
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui.boxes().size(), 1);
        QCOMPARE(ui.boxes()[0].text, QStringLiteral("入力データが異常です。"));
        dialog.cancelButton()->click();
    });
    QCOMPARE(NumberEntryDialog::showDialog(nullptr), QString());
}

void TestSmallWindows::numberEntryCancelled()
{
    RecordingUi ui;
    whenOpen<NumberEntryDialog>([](NumberEntryDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" 数値入力"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("O K"));
        QTest::keyClicks(dialog.numberEdit(), QStringLiteral("12012012012012"));
        dialog.cancelButton()->click();
    });
    QCOMPARE(NumberEntryDialog::showDialog(nullptr), QString());
}

void TestSmallWindows::aboutShowsVersionAndLinks()
{
    RecordingUi ui;
    QStringList seen;
    whenOpen<AboutDialog>([&seen](AboutDialog &about) {
        for (const char *name : {"lblTitle", "lblVersion", "lblCopyright"})
            seen << about.findChild<QLabel *>(QLatin1String(name))->text();
        seen << about.windowTitle();
        QLabel *mail = about.findChild<QLabel *>(QStringLiteral("lblMail"));
        Q_EMIT mail->linkActivated(QStringLiteral("mailto:support@quorvel.invalid"));
        about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    AboutDialog::showForm(nullptr, QStringLiteral("1.00"));
    QCOMPARE(seen.mid(0, 2), (QStringList{"QUDO", "Version 1.00"}));
    QVERIFY(seen.at(2).startsWith(QStringLiteral("Copyright")));
    QCOMPARE(seen.at(3), QStringLiteral(" バージョン情報"));
    QCOMPARE(ui.openedAddresses(), QStringList{"mailto:support@quorvel.invalid"});
}

QTEST_MAIN(TestSmallWindows)
#include "TestSmallWindows.moc"
