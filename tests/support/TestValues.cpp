#include "support/AppInfo.h"
#include "support/Convert.h"
#include "support/Format.h"
#include "support/Money.h"
#include "support/OleDate.h"
#include "support/RuntimeError.h"
#include "support/TextCodec.h"
#include "support/Utf8Text.h"
#include "support/BoolText.h"

#include <QTest>

class TestValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moneyFromDouble_data();
    void moneyFromDouble();
    void moneyFromDoubleOverflows();
    void moneyParse_data();
    void moneyParse();
    void moneyText_data();
    void moneyText();
    void oleDate();
    void formats();
    void toLong_data();
    void toLong();
    void toLongFailures_data();
    void toLongFailures();
    void sjisRoundTrip();
    void utf8ToText();
    void booleanToString();
    void versionString_data();
    void versionString();
};

void TestValues::moneyFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << 1234.0 << qint64(12340000);
    QTest::newRow("four decimals") << 0.1234 << qint64(1234);
    // Binary fractions, so that the scaled value is exactly half-way.
    QTest::newRow("half to even down") << 0.03125 << qint64(312);
    QTest::newRow("half to even up") << 0.09375 << qint64(938);
    QTest::newRow("negative half") << -0.03125 << qint64(-312);
    QTest::newRow("ceiling of prizes") << 99999999999.0 << qint64(999999999990000);
}

void TestValues::moneyFromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::fromDouble(value).raw(), raw);
}

void TestValues::moneyFromDoubleOverflows()
{
    for (double value : {1e30, -1e30, qInf(), qQNaN()}) {
        try {
            Money::fromDouble(value);
            QFAIL("no overflow reported");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(RuntimeError::Overflow));
        }
    }
}

void TestValues::moneyParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("integer") << "1234567" << true << qint64(12345670000);
    QTest::newRow("fraction") << "12.5" << true << qint64(125000);
    QTest::newRow("negative") << "-0.0001" << true << qint64(-1);
    QTest::newRow("fifth digit rounds half to even") << "0.00005" << true << qint64(0);
    QTest::newRow("fifth digit above half") << "0.000051" << true << qint64(1);
    QTest::newRow("leading point") << ".5" << true << qint64(5000);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("full-width digits") << "１２" << false << qint64(0);
    QTest::newRow("too large") << "9999999999999999999" << false << qint64(0);
}

void TestValues::moneyParse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);
    const auto money = Money::parse(text);
    QCOMPARE(money.has_value(), valid);
    if (valid)
        QCOMPARE(money->raw(), raw);
}

void TestValues::moneyText_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("whole") << qint64(12345670000) << "1234567";
    QTest::newRow("no trailing zeros") << qint64(125000) << "12.5";
    QTest::newRow("four digits") << qint64(1) << "0.0001";
    QTest::newRow("negative") << qint64(-15000) << "-1.5";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "-922337203685477.5808";
}

void TestValues::moneyText()
{
    QFETCH(qint64, raw);
    QFETCH(QString, text);
    QCOMPARE(Money::fromRaw(raw).toString(), text);
    if (raw != std::numeric_limits<qint64>::min()) {
        QVERIFY(Money::parse(text).has_value());
        QCOMPARE(Money::parse(text)->raw(), raw);
    }
}

void TestValues::oleDate()
{
    QCOMPARE(OleDate::fromDate(QDate(1899, 12, 30)).value(), 0.0);
    QCOMPARE(OleDate::fromDate(QDate(2021, 3, 6)).value(), 44261.0);
    const OleDate kickOff = OleDate::fromDateTime(QDate(2021, 3, 6), QTime(19, 0));
    QCOMPARE(kickOff.value(), 44261.0 + 19.0 / 24.0);
    QCOMPARE(kickOff.date(), QDate(2021, 3, 6));
    QCOMPARE(kickOff.time(), QTime(19, 0));
    QVERIFY(!OleDate().isSet());
    QVERIFY(OleDate::fromTime(QTime(9, 30)).isTimeOnly());
    // Before the epoch the fraction still counts forward from midnight.
    const OleDate early(-1.25);
    QCOMPARE(early.date(), QDate(1899, 12, 29));
    QCOMPARE(early.time(), QTime(6, 0));
    QCOMPARE(OleDate::fromDateTime(QDate(1899, 12, 29), QTime(6, 0)), early);
}

void TestValues::formats()
{
    QCOMPARE(Format::zeroPadded(5, 3), QStringLiteral("005"));
    QCOMPARE(Format::zeroPadded(1234, 3), QStringLiteral("1234"));
    QCOMPARE(Format::zeroPadded(-5, 3), QStringLiteral("-005"));
    QCOMPARE(Format::grouped(0), QStringLiteral("0"));
    QCOMPARE(Format::grouped(999), QStringLiteral("999"));
    QCOMPARE(Format::grouped(1000), QStringLiteral("1,000"));
    QCOMPARE(Format::grouped(-1234567), QStringLiteral("-1,234,567"));
    QCOMPARE(Format::fixed(12.345, 2), QStringLiteral("12.35"));
    QCOMPARE(Format::monthDay(OleDate::fromDateTime(QDate(2024, 3, 9), QTime(19, 0))), QStringLiteral("03/09"));
    QCOMPARE(Format::monthDay(OleDate::fromDate(QDate(2024, 12, 31))), QStringLiteral("12/31"));
    QCOMPARE(Format::generalDate(OleDate()), QStringLiteral("0:00:00"));
    QCOMPARE(Format::generalDate(OleDate::fromTime(QTime(9, 30))), QStringLiteral("9:30:00"));
    QCOMPARE(Format::generalDate(OleDate::fromDate(QDate(2021, 3, 6))), QStringLiteral("2021/03/06"));
    QCOMPARE(Format::generalDate(OleDate::fromDateTime(QDate(2021, 3, 6), QTime(19, 0))),
             QStringLiteral("2021/03/06 19:00:00"));
    QCOMPARE(Format::monthDay(OleDate::fromDate(QDate(2021, 3, 6))), QStringLiteral("03/06"));
    QCOMPARE(Format::dateHourMinute(OleDate::fromDateTime(QDate(2010, 5, 1), QTime(13, 50, 20))),
             QStringLiteral("2010/05/01 13:50"));
    QCOMPARE(Format::dateHourMinute(OleDate::fromDateTime(QDate(2010, 5, 1), QTime(7, 5))),
             QStringLiteral("2010/05/01 07:05"));
}

void TestValues::toLong_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("spaces") << "  7 " << 7;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("grouped") << "1,000" << 1000;
    QTest::newRow("half to even up") << "101.5" << 102;
    QTest::newRow("half to even down") << "102.5" << 102;
    QTest::newRow("negative half") << "-2.5" << -2;
    QTest::newRow("largest") << "2147483647" << 2147483647;
}

void TestValues::toLong()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(Convert::toLong(text), value);
}

void TestValues::toLongFailures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("letters") << "abc" << int(RuntimeError::TypeMismatch);
    QTest::newRow("empty") << "" << int(RuntimeError::TypeMismatch);
    QTest::newRow("dot only") << "." << int(RuntimeError::TypeMismatch);
    QTest::newRow("trailing letters") << "1x" << int(RuntimeError::TypeMismatch);
    QTest::newRow("too large") << "2147483648" << int(RuntimeError::Overflow);
    QTest::newRow("far too large") << "99999999999999999999" << int(RuntimeError::TypeMismatch);
}

void TestValues::toLongFailures()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    try {
        Convert::toLong(text);
        QFAIL("no error thrown");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), number);
    }
}

void TestValues::sjisRoundTrip()
{
    const QString text = QStringLiteral("ＢＩＧ 第1234回 ①～－ｶﾀｶﾅ\r\n");
    const QByteArray bytes = TextCodec::encodeSjis(text);
    QCOMPARE(bytes.left(2), QByteArray("\x82\x61"));   // Ｂ
    QCOMPARE(TextCodec::decodeSjis(bytes), text);
}

void TestValues::utf8ToText()
{
    const QString page = QStringLiteral("<html>くじ結果 第1234回</html>");
    QCOMPARE(::utf8ToText(page.toUtf8()), page);
    QVERIFY(::utf8ToText(QByteArray()).isEmpty());
}

void TestValues::booleanToString()
{
    QCOMPARE(BoolText::booleanToString(true), QStringLiteral("1"));
    QCOMPARE(BoolText::booleanToString(false), QStringLiteral("0"));
}

void TestValues::versionString_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.00") << 2 << 0 << 0 << "2.00";
    QTest::newRow("2.05.3") << 2 << 5 << 3 << "2.05.3";
    QTest::newRow("2.10") << 2 << 10 << 0 << "2.10";
}

void TestValues::versionString()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(AppInfo::versionString(major, minor, revision), text);
    QCOMPARE(AppInfo::getVersionString(), QStringLiteral("1.00"));
}

QTEST_GUILESS_MAIN(TestValues)
#include "TestValues.moc"
