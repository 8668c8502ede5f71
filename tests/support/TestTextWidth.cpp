#include "support/TextWidth.h"

#include <QTest>

class TestTextWidth : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toHalfWidth_data();
    void toHalfWidth();
};

void TestTextWidth::toHalfWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("letters and digits") << "ＡＢＣｘｙｚ０１９" << "ABCxyz019";
    QTest::newRow("signs and space") << "Ｆ．Ｃ．　（＝）！～" << "F.C. (=)!~";
    QTest::newRow("plain katakana") << "アーセナル" << "ｱｰｾﾅﾙ";
    QTest::newRow("small kana") << "ァィゥェォャュョッ" << "ｧｨｩｪｫｬｭｮｯ";
    QTest::newRow("voiced marks") << "ガギグゲゴバパヴ" << "ｶﾞｷﾞｸﾞｹﾞｺﾞﾊﾞﾊﾟｳﾞ";
    QTest::newRow("club name") << "ＦＣバルセロナ" << "FCﾊﾞﾙｾﾛﾅ";
    QTest::newRow("middle dot and marks") << "マン・シティ「。」、゛゜" << "ﾏﾝ･ｼﾃｨ｢｡｣､ﾞﾟ";
    QTest::newRow("kanji and hiragana stay") << "鹿島アントラーズ　いわき" << "鹿島ｱﾝﾄﾗｰｽﾞ いわき";
    QTest::newRow("no half-width form stays") << "ヵヶヰヱヮ" << "ヵヶヰヱヮ";
    QTest::newRow("already half-width stays") << "ABC ｶﾞ é" << "ABC ｶﾞ é";
}

void TestTextWidth::toHalfWidth()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextWidth::toHalfWidth(text), expected);
}

QTEST_GUILESS_MAIN(TestTextWidth)
#include "TestTextWidth.moc"
