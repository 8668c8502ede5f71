#include "app/NumberEntry.h"
#include "common/RecordingUi.h"

#include <QTest>

// The number-entry rules: a single typed as its 14 marks.
class TestNumberEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
    void accept_data();
    void accept();
};

void TestNumberEntry::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0") << "0" << true;
    QTest::newRow("2") << "2" << true;
    QTest::newRow("Backspace") << "\b" << true;
    QTest::newRow("3") << "3" << false;
    QTest::newRow("letter") << "a" << false;
    QTest::newRow("space") << " " << false;
    QTest::newRow("full-width 1") << "１" << false;
}

void TestNumberEntry::keys()
{
    QFETCH(QString, key);
    QFETCH(bool, accepted);
    QCOMPARE(NumberEntry::acceptsKey(key.front()), accepted);
}

void TestNumberEntry::accept_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("message");
    QTest::newRow("fourteen 1") << "11111111111111" << "11111111111111" << true << -1 << QString();
    QTest::newRow("mixed marks") << "10201020102012" << "10201020102012" << true << -1 << QString();
    QTest::newRow("thirteen") << "1111111111111" << QString() << false << int(Ui::Icon::Information)
                              << "すべてのデータを入力して下さい";
    QTest::newRow("pasted 3 at the end") << "11111111111113" << QString() << true << int(Ui::Icon::Warning)
                                         << "入力データが異常です。";
    QTest::newRow("pasted letters") << "1111111111111a" << QString() << true << int(Ui::Icon::Warning)
                                    << "入力データが異常です。";
}

void TestNumberEntry::accept()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(bool, okEnabled);
    QFETCH(int, icon);
    QFETCH(QString, message);
    RecordingUi ui;
    QCOMPARE(NumberEntry::okEnabled(text), okEnabled);
    QCOMPARE(NumberEntry::accept(text), result);
    QCOMPARE(ui.boxes().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(int(ui.boxes()[0].icon), icon);
        QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO"));
        QCOMPARE(ui.boxes()[0].text, message);
    }
}

QTEST_GUILESS_MAIN(TestNumberEntry)
#include "TestNumberEntry.moc"
