#include "common/RecordingUi.h"
#include "lottery/SingleCode.h"

#include <QTest>

#include <algorithm>
#include <array>

namespace {

using byteMarks = std::array<quint8, 14>;
using intMarks = std::array<qint32, 14>;

// "10200000000000": the marks of matches No. 1 to 14, left to right.
intMarks marksOf(const QString &digits)
{
    intMarks marks{};
    for (int i = 0; i < 14; ++i)
        marks[std::size_t(i)] = digits.at(i).digitValue();
    return marks;
}

template<typename Array>
QString digitsOf(const Array &marks)
{
    QString digits;
    for (const auto mark : marks)
        digits += QString::number(mark) + u' ';
    return digits.trimmed();
}

const QString errorTitlePrefix = QStringLiteral("QUDO / clsTNumber / ");
const QString subscriptError = QStringLiteral("インデックスが有効範囲にありません。 ( 9 )");
const QString overflowError = QStringLiteral("オーバーフローしました。 ( 6 )");

} // namespace

class TestSingleCode : public QObject
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

void TestSingleCode::knownCodes_data()
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

void TestSingleCode::knownCodes()
{
    QFETCH(qint32, code);
    QFETCH(QString, marks);
    RecordingUi ui;
    const SingleCode number;
    const intMarks expected = marksOf(marks);

    intMarks intMarks{};
    number.codeToInts(code, intMarks);
    QCOMPARE(digitsOf(intMarks), digitsOf(expected));
    byteMarks byteMarks{};
    number.codeToBytes(code, byteMarks);
    QCOMPARE(digitsOf(byteMarks), digitsOf(expected));

    qint32 fromLong = -1;
    number.intsToCode(expected, fromLong);
    QCOMPARE(fromLong, code);
    qint32 fromByte = -1;
    number.bytesToCode(byteMarks, fromByte);
    QCOMPARE(fromByte, code);
    QVERIFY(ui.boxes().isEmpty());
}

void TestSingleCode::everyCodeRoundTripsInBothForms()
{
    RecordingUi ui;
    const SingleCode number;
    byteMarks byteMarks{};
    intMarks intMarks{};
    qint32 firstMismatch = -1;
    for (qint32 code = 0; code <= SingleCode::MaxCode && firstMismatch < 0; ++code) {
        number.codeToBytes(code, byteMarks);
        number.codeToInts(code, intMarks);
        qint32 fromByte = -1;
        qint32 fromLong = -1;
        number.bytesToCode(byteMarks, fromByte);
        number.intsToCode(intMarks, fromLong);
        const bool marksAgree = std::equal(byteMarks.begin(), byteMarks.end(), intMarks.begin());
        if (fromByte != code || fromLong != code || !marksAgree
            || *std::max_element(intMarks.begin(), intMarks.end()) > 2)
            firstMismatch = code;
    }
    QCOMPARE(firstMismatch, -1);
    QVERIFY(ui.boxes().isEmpty());
}

void TestSingleCode::marksAboveTwoGiveAnotherCode()
{
    RecordingUi ui;
    const SingleCode number;
    byteMarks marks{};
    marks[0] = 3; // reads as "0" on match 1 and "1" on match 2
    qint32 code = -1;
    number.bytesToCode(marks, code);
    QCOMPARE(code, 3);

    intMarks beyond{};
    beyond[13] = 3; // one past the last valid code
    number.intsToCode(beyond, code);
    QCOMPARE(code, SingleCode::CodeCount);
    QVERIFY(ui.boxes().isEmpty());
}

void TestSingleCode::decodeFailures_data()
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

void TestSingleCode::decodeFailures()
{
    QFETCH(qint32, code);
    QFETCH(int, size);
    QFETCH(QString, expectedBytes);
    QFETCH(QString, errorText);
    RecordingUi ui;
    const SingleCode number;
    std::array<quint8, 14> storage;
    storage.fill(9);
    const std::span<quint8> marks(storage.data(), std::size_t(size));

    number.codeToBytes(code, marks);

    QCOMPARE(digitsOf(marks), expectedBytes);
    if (errorText.isEmpty()) {
        QVERIFY(ui.boxes().isEmpty());
        return;
    }
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("NoToArray"));
    QCOMPARE(ui.boxes()[0].text, errorText);
}

void TestSingleCode::negativeCodeDecodesWithoutErrorInLongForm()
{
    RecordingUi ui;
    const SingleCode number;
    intMarks marks{};
    number.codeToInts(-5, marks);
    QCOMPARE(digitsOf(marks), QStringLiteral("-2 -1 0 0 0 0 0 0 0 0 0 0 0 0"));
    qint32 code = 0;
    number.intsToCode(marks, code);
    QCOMPARE(code, -5);
    QVERIFY(ui.boxes().isEmpty());

    std::array<qint32, 10> tooShort;
    tooShort.fill(9);
    number.codeToInts(19, tooShort);
    QCOMPARE(digitsOf(tooShort), QStringLiteral("9 9 9 9 9 9 9 9 9 9"));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("NoToArray_Long"));
    QCOMPARE(ui.boxes()[0].text, subscriptError);
}

void TestSingleCode::shortArrayStopsEncoding()
{
    RecordingUi ui;
    const SingleCode number;
    const std::array<quint8, 3> bytes{1, 0, 2};
    qint32 code = -1;
    number.bytesToCode(bytes, code);
    QCOMPARE(code, 19); // the sum of the entries read before the failure
    const std::array<qint32, 2> longs{2, 1};
    number.intsToCode(longs, code);
    QCOMPARE(code, 5);

    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("ArrayToNo"));
    QCOMPARE(ui.boxes()[0].text, subscriptError);
    QCOMPARE(ui.boxes()[1].title, errorTitlePrefix + QStringLiteral("ArrayToNo_Long"));
    QCOMPARE(ui.boxes()[1].text, subscriptError);
}

void TestSingleCode::encodingOverflowStops()
{
    RecordingUi ui;
    const SingleCode number;
    intMarks marks = marksOf(QStringLiteral("10200000000000"));
    marks[13] = 2000; // 2000 × 3^13 does not fit 32 bits
    qint32 code = -1;
    number.intsToCode(marks, code);
    QCOMPARE(code, 19);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, errorTitlePrefix + QStringLiteral("ArrayToNo_Long"));
    QCOMPARE(ui.boxes()[0].text, overflowError);
}

QTEST_GUILESS_MAIN(TestSingleCode)
#include "TestSingleCode.moc"
