#include "support/DateText.h"

#include <QTest>

namespace {

OleDate at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OleDate::fromDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

class TestDateText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
};

void TestDateText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<OleDate>("expected");

    QTest::newRow("年月日") << "2021年3月6日" << true << at(2021, 3, 6);
    QTest::newRow("年月日 two-digit parts") << "2021年03月06日" << true << at(2021, 3, 6);
    QTest::newRow("time right after 日") << "2021年3月6日19:00" << true << at(2021, 3, 6, 19);
    QTest::newRow("time after a space") << "2021年3月6日 9:05" << true << at(2021, 3, 6, 9, 5);
    QTest::newRow("trailing space") << "2021年3月6日 " << true << at(2021, 3, 6);
    QTest::newRow("slashes") << "2024/3/9" << true << at(2024, 3, 9);
    QTest::newRow("slashes and seconds") << "2024/03/09 12:50:30" << true << at(2024, 3, 9, 12, 50, 30);
    QTest::newRow("dashes") << "2024-03-09 12:50" << true << at(2024, 3, 9, 12, 50);
    QTest::newRow("time alone") << "19:00" << true << OleDate::fromTime(QTime(19, 0));
    QTest::newRow("one-digit hour alone") << "9:30" << true << OleDate::fromTime(QTime(9, 30));
    QTest::newRow("leap day") << "2024/2/29" << true << at(2024, 2, 29);

    QTest::newRow("month 13, day 40") << "2021年13月40日" << false << OleDate();
    QTest::newRow("no leap day") << "2021/2/29" << false << OleDate();
    QTest::newRow("hour 24") << "24:00" << false << OleDate();
    QTest::newRow("minute 60") << "2021/3/6 10:60" << false << OleDate();
    QTest::newRow("one-digit minute") << "9:5" << false << OleDate();
    QTest::newRow("two-digit year") << "21/3/6" << false << OleDate();
    QTest::newRow("mixed separators") << "2021年3/6" << false << OleDate();
    QTest::newRow("month and day only") << "3/6" << false << OleDate();
    QTest::newRow("full-width digits") << "２０２１年３月６日" << false << OleDate();
    QTest::newRow("text after") << "2021年3月6日(土)" << false << OleDate();
    QTest::newRow("empty") << "" << false << OleDate();
    QTest::newRow("spaces") << "   " << false << OleDate();
    QTest::newRow("dots") << "..." << false << OleDate();

    // Long runs of spaces, as a damaged file may hold them: read or refused
    // like short ones (and in one pass, see bench_date_text).
    const QString spaces(100000, u' ');
    QTest::newRow("long spaces between date and time")
        << "2024/03/09" + spaces + "12:50" << true << at(2024, 3, 9, 12, 50);
    QTest::newRow("long spaces around a date") << spaces + "2021年3月6日" + spaces << true << at(2021, 3, 6);
    QTest::newRow("long spaces after a date, then text") << "2024/03/09" + spaces + "x" << false << OleDate();
    QTest::newRow("long spaces between date and text")
        << "2024/03/09" + spaces + "12:50 x" << false << OleDate();
    QTest::newRow("long spaces inside a time") << "12" + spaces + ":50" << false << OleDate();
}

void TestDateText::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(OleDate, expected);
    const std::optional<OleDate> value = DateText::parse(text);
    QCOMPARE(value.has_value(), read);
    if (read)
        QCOMPARE(*value, expected);
}

QTEST_GUILESS_MAIN(TestDateText)
#include "TestDateText.moc"
