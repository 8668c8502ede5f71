#include "app/RoundSelection.h"
#include "common/RecordingUi.h"
#include "gui/RoundBox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// The round box takes the digits of whatever reaches it, however it comes:
// typed keys, a paste, a Japanese input method's committed text.
class TestRoundBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsDigitsOnly_data();
    void keepsDigitsOnly();
};

namespace {

enum class Way { Keys, Paste, InputMethod };

void typeKeys(QLineEdit &box, const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&box, &release);
    }
}

// The input method shows the text being composed, then commits it.
void commitInputMethodText(QLineEdit &box, const QString &text)
{
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(&box, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QApplication::sendEvent(&box, &committed);
}

void enter(QLineEdit &box, Way way, const QString &text)
{
    box.selectAll();
    switch (way) {
    case Way::Keys: typeKeys(box, text); break;
    case Way::Paste:
        QGuiApplication::clipboard()->setText(text);
        box.paste();
        break;
    case Way::InputMethod: commitInputMethodText(box, text); break;
    }
}

} // namespace

void TestRoundBox::keepsDigitsOnly_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full-width keys") << Way::Keys << "１２" << "12";
    QTest::newRow("full-width paste") << Way::Paste << "１２" << "12";
    QTest::newRow("full-width input method") << Way::InputMethod << "１２" << "12";
    QTest::newRow("paste of a round with words") << Way::Paste << "第１４７８回" << "1478";
    QTest::newRow("paste of digits and letters") << Way::Paste << "12a 34" << "1234";
    QTest::newRow("input method without digits") << Way::InputMethod << "じゅうに" << "";
    QTest::newRow("full-width beyond the range") << Way::InputMethod << "１２３４５" << "9999";
    QTest::newRow("half-width keys") << Way::Keys << "1a2" << "12";
}

void TestRoundBox::keepsDigitsOnly()
{
    QFETCH(Way, way);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    RecordingUi ui;
    RoundSelection main;
    RoundBox round(main);
    main.setRoundNumber(5);
    QCOMPARE(round.scheduleNumberEdit()->text(), QStringLiteral("5"));

    enter(*round.scheduleNumberEdit(), way, text);
    QCOMPARE(round.scheduleNumberEdit()->text(), shown);
    QCOMPARE(main.roundText(), shown);
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_MAIN(TestRoundBox)
#include "TestRoundBox.moc"
