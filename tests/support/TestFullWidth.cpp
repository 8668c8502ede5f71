#include "support/TextWidth.h"

#include <QTest>

// Half-width text to its full-width forms.
class TestFullWidth : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toFullWidth_data();
    void toFullWidth();
};

void TestFullWidth::toFullWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit before kanji") << "1等推定金額" << "１等推定金額";
    QTest::newRow("letters, signs, space") << "A-z 09!~" << "Ａ－ｚ　０９！～";
    QTest::newRow("half-width kana with voiced marks") << "ｶﾞﾝﾊﾞ大阪ｰ" << "ガンバ大阪ー";
    QTest::newRow("already wide") << "ＭＳ ゴシック" << "ＭＳ　ゴシック";
    QTest::newRow("empty") << "" << "";
}

void TestFullWidth::toFullWidth()
{
    QFETCH(QString, text);
    QTEST(TextWidth::toFullWidth(text), "expected");
    QFETCH(QString, expected);
    QCOMPARE(TextWidth::toFullWidth(expected), expected);
}

QTEST_GUILESS_MAIN(TestFullWidth)
#include "TestFullWidth.moc"
