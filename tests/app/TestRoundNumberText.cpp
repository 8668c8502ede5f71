#include "app/RoundNumberText.h"

#include <QTest>

// What the round box keeps of the text that reaches it, and the keys it takes.
class TestRoundNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitsOf_data();
    void digitsOf();
    void acceptsKey_data();
    void acceptsKey();
};

void TestRoundNumberText::digitsOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("half-width") << "1478" << "1478";
    QTest::newRow("full-width") << "１２" << "12";
    QTest::newRow("every full-width digit") << "０１２３４５６７８９" << "0123456789";
    QTest::newRow("mixed widths") << "1４7８" << "1478";
    QTest::newRow("words around") << "第１４７８回 " << "1478";
    QTest::newRow("signs and spaces") << "-1 2+3" << "123";
    QTest::newRow("digits of another script") << "١٢" << "";
    QTest::newRow("kanji numerals") << "十二" << "";
    QTest::newRow("empty") << "" << "";
}

void TestRoundNumberText::digitsOf()
{
    QFETCH(QString, text);
    QTEST(RoundNumberText::digitsOf(text), "digits");
}

void TestRoundNumberText::acceptsKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digit") << "7" << true;
    QTest::newRow("full-width digit") << "７" << true;
    QTest::newRow("Backspace") << "\b" << true;
    QTest::newRow("letter") << "a" << false;
    QTest::newRow("full-width letter") << "ａ" << false;
    QTest::newRow("minus") << "-" << false;
}

void TestRoundNumberText::acceptsKey()
{
    QFETCH(QString, key);
    QTEST(RoundNumberText::acceptsKey(key.front()), "accepted");
}

QTEST_APPLESS_MAIN(TestRoundNumberText)
#include "TestRoundNumberText.moc"
