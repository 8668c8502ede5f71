#include "common/RecordingUi.h"
#include "lottery/SingleCode.h"

#include <QTest>

#include <algorithm>
#include <array>

namespace {

using ByteKousei = std::array<quint8, 14>;
using LongKousei = std::array<qint32, 14>;

// "10200000000000": the marks of matches No. 1 to 14, left to right.
LongKousei marksOf(const QString &digits)
{
    LongKousei kousei{};
    for (int i = 0; i < 14; ++i)
        kousei[std::size_t(i)] = digits.at(i).digitValue();
    return kousei;
}

template<typename Array>
QString digitsOf(const Array &kousei)
{
    QString digits;
    for (const auto mark : kousei)
        digits += QString::number(mark) + u' ';
    return digits.trimmed();
}

const QString errorTitlePrefix = QStringLiteral("QUDO / clsTNumber / ");
const QString subscriptError = QStringLiteral("インデックスが有効範囲にありません。 ( 9 )");
const QString overflowError = QStringLiteral("オーバーフローしました。 ( 6 )");

} // namespace

class TestTNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownCodes_data();
    void knownCodes();
    void everyCodeRoundTripsInBothForms();
    void marksAboveTwoGiveAnotherCode();
    void decodeFailures_data();
    void decodeFailures();
    void negativeCodeDecodesWithoutErrorInLongForm();
    void shortArrayStopsEncoding();
    void encodingOverflowStops();
};

void TestTNumber::knownCodes_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QString>("marks");
    QTest::newRow("all 0") << 0 << QStringLiteral("00000000000000");
    QTest::newRow("match 1 is the lowest digit") << 1 << QStringLiteral("10000000000000");
    QTest::newRow("1 0 2 on matches 1-3") << 19 << QStringLiteral("10200000000000");
    QTest::newRow("match 14 is the highest digit") << 1594323 << QStringLiteral("00000000000001");
    QTest::newRow("all 1") << 2391484 << QStringLiteral("11111111111111");
    QTest::newRow("all 2") << 4782968 << QStringLiteral("22222222222222");
}

void TestTNumber::knownCodes()
{
    QFETCH(qint32, code);
    QFETCH(QString, marks);
    RecordingUi ui;
    const clsTNumber number;
    const LongKousei expected = marksOf(marks);

    LongKousei longKousei{};
    number.NoToLong(code, longKousei);
    QCOMPARE(digitsOf(longKousei), digitsOf(expected));
    ByteKousei byteKousei{};
    number.NoToByte(code, byteKousei);
    QCOMPARE(digitsOf(byteKousei), digitsOf(expected));

    qint32 fromLong = -1;
    number.LongToNo(expected, fromLong);
    QCOMPARE(fromLong, code);
    qint32 fromByte = -1;
    number.ByteToNo(byteKousei, fromByte);
    QCOMPARE(fromByte, code);
    QVERIFY(ui.boxes().isEmpty());
}

void TestTNumber::everyCodeRoundTripsInBothForms()
{
    RecordingUi ui;
    const clsTNumber number;
    ByteKousei byteKousei{};
    LongKousei longKousei{};
    qint32 firstMismatch = -1;
    for (qint32 code = 0; code <= clsTNumber::MaxCode && firstMismatch < 0; ++code) {
        number.NoToByte(code, byteKousei);
        number.NoToLong(code, longKousei);
        qint32 fromByte = -1;
        qint32 fromLong = -1;
        number.ByteToNo(byteKousei, fromByte);
        number.LongToNo(longKousei, fromLong);
        const bool marksAgree = std::equal(byteKousei.begin(), byteKousei.end(), longKousei.begin());
        if (fromByte != code || fromLong != code || !marksAgree
            || *std::max_element(longKousei.begin(), longKousei.end()) > 2)
            firstMismatch = code;
    }
    QCOMPARE(firstMismatch, -1);
    QVERIFY(ui.boxes().isEmpty());
}

void TestTNumber::marksAboveTwoGiveAnotherCode()
{
    RecordingUi ui;
    const clsTNumber number;
    ByteKousei kousei{};
    kousei[0] = 3; // reads as "0" on match 1 and "1" on match 2
    qint32 code = -1;
    number.ByteToNo(kousei, code);
    QCOMPARE(code, 3);

    LongKousei beyond{};
    beyond[13] = 3; // one past the last valid code
    number.LongToNo(beyond, code);
    QCOMPARE(code, clsTNumber::CodeCount);
    QVERIFY(ui.boxes().isEmpty());
}

void TestTNumber::decodeFailures_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("expectedBytes");
    QTest::addColumn<QString>("errorText");
    // 9 marks an entry the conversion never reached.
    QTest::newRow("array of 13") << 19 << 13 << QStringLiteral("9 9 9 9 9 9 9 9 9 9 9 9 9")
                                 << subscriptError;
    QTest::newRow("negative code") << -5 << 14 << QStringLiteral("9 9 0 0 0 0 0 0 0 0 0 0 0 0")
                                   << overflowError;
    QTest::newRow("top digit 256") << 256 * 1594323 << 14
                                   << QStringLiteral("9 9 9 9 9 9 9 9 9 9 9 9 9 9") << overflowError;
    QTest::newRow("top digit 255 still fits") << 255 * 1594323 + 7 << 14
                                              << QStringLiteral("1 2 0 0 0 0 0 0 0 0 0 0 0 255")
                                              << QString();
}

void TestTNumber::decodeFailures()
{
    QFETCH(qint32, code);
    QFETCH(int, size);
    QFETCH(QString, expectedBytes);
    QFETCH(QString, errorText);
    RecordingUi ui;
    const clsTNumber number;
    std::array<quint8, 14> storage;
    storage.fill(9);
    const std::span<quint8> kousei(storage.data(), std::size_t(size));

    number.NoToByte(code, kousei);

    QCOMPARE(digitsOf(kousei), expectedBytes);
    if (errorText.isEmpty()) {
        QVERIFY(ui.boxes().isEmpty());
        return;
    }
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("NoToArray"));
    QCOMPARE(ui.boxes()[0].text, errorText);
}

void TestTNumber::negativeCodeDecodesWithoutErrorInLongForm()
{
    RecordingUi ui;
    const clsTNumber number;
    LongKousei kousei{};
    number.NoToLong(-5, kousei);
    QCOMPARE(digitsOf(kousei), QStringLiteral("-2 -1 0 0 0 0 0 0 0 0 0 0 0 0"));
    qint32 code = 0;
    number.LongToNo(kousei, code);
    QCOMPARE(code, -5);
    QVERIFY(ui.boxes().isEmpty());

    std::array<qint32, 10> tooShort;
    tooShort.fill(9);
    number.NoToLong(19, tooShort);
    QCOMPARE(digitsOf(tooShort), QStringLiteral("9 9 9 9 9 9 9 9 9 9"));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("NoToArray_Long"));
    QCOMPARE(ui.boxes()[0].text, subscriptError);
}

void TestTNumber::shortArrayStopsEncoding()
{
    RecordingUi ui;
    const clsTNumber number;
    const std::array<quint8, 3> bytes{1, 0, 2};
    qint32 code = -1;
    number.ByteToNo(bytes, code);
    QCOMPARE(code, 19); // the sum of the entries read before the failure
    const std::array<qint32, 2> longs{2, 1};
    number.LongToNo(longs, code);
    QCOMPARE(code, 5);

    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("ArrayToNo"));
    QCOMPARE(ui.boxes()[0].text, subscriptError);
    QCOMPARE(ui.boxes()[1].title, errorTitlePrefix + QStringLiteral("ArrayToNo_Long"));
    QCOMPARE(ui.boxes()[1].text, subscriptError);
}

void TestTNumber::encodingOverflowStops()
{
    RecordingUi ui;
    const clsTNumber number;
    LongKousei kousei = marksOf(QStringLiteral("10200000000000"));
    kousei[13] = 2000; // 2000 × 3^13 does not fit 32 bits
    qint32 code = -1;
    number.LongToNo(kousei, code);
    QCOMPARE(code, 19);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("ArrayToNo_Long"));
    QCOMPARE(ui.boxes()[0].text, overflowError);
}

QTEST_GUILESS_MAIN(TestTNumber)
#include "TestTNumber.moc"
