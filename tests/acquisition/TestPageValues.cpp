#include "acquisition/PageValues.h"
#include "common/RecordingUi.h"
#include "support/RuntimeError.h"

#include <QTest>

namespace {

OleDate at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return OleDate::fromDateTime(QDate(year, month, day), QTime(hour, minute));
}

Money money(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

const OleDate untouched = at(1999, 9, 9, 9, 9);
const Money untouchedMoney = money("-1");

} // namespace

class TestPageValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundNumber_data();
    void roundNumber();
    void roundNumberWithoutNumberFails_data();
    void roundNumberWithoutNumberFails();
    void readRoundNumber();
    void stringToCurrency_data();
    void stringToCurrency();
    void stringToCurrencyOverflowIsReported();
    void getValue2_data();
    void getValue2();
    void stringToDate_data();
    void stringToDate();
    void stringToDateEx_data();
    void stringToDateEx();
    void stringToDateEx2_data();
    void stringToDateEx2();
    void dateString2_data();
    void dateString2();
    void getStringToDateNow_data();
    void getStringToDateNow();

private:
    std::unique_ptr<RecordingUi> m_ui;
    PageValues m_toto;
};

void TestPageValues::init()
{
    m_ui = std::make_unique<RecordingUi>();
}

void TestPageValues::cleanup()
{
    // Bad text is never a run-time failure.
    if (!QTest::currentTestFailed() && QByteArray(QTest::currentTestFunction()) != "stringToCurrencyOverflowIsReported")
        QVERIFY2(m_ui->boxes().isEmpty(), qPrintable(m_ui->boxes().value(0).text));
    m_ui.reset();
}

void TestPageValues::roundNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("round");

    QTest::newRow("heading") << "第1234回BIGくじ指定試合" << true << 1234;
    QTest::newRow("short") << "第12回" << true << 12;
    QTest::newRow("full-width digits") << "第１２回" << true << 12;
    QTest::newRow("no 回") << "第12" << false << -7;
    QTest::newRow("no 第 first") << "BIG第12回" << false << -7;
    QTest::newRow("empty") << "" << false << -7;
}

void TestPageValues::roundNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(int, round);
    qint32 value = -7;
    QCOMPARE(m_toto.parseRoundNumber(text, value), found);
    QCOMPARE(value, round);
}

void TestPageValues::roundNumberWithoutNumberFails_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing between") << "第回";
    QTest::newRow("letters between") << "第一二三回";
}

void TestPageValues::roundNumberWithoutNumberFails()
{
    QFETCH(QString, text);
    qint32 value = -7;
    // The calling page reader reports it.
    QVERIFY_THROWS_EXCEPTION(RuntimeError, m_toto.parseRoundNumber(text, value));
    QCOMPARE(value, -7);
}

void TestPageValues::readRoundNumber()
{
    qint32 round = 0;
    QVERIFY(m_toto.readRoundNumber(QStringLiteral("第1478回BIGくじ指定試合"), round, QStringLiteral("BIGくじ指定試合")));
    QCOMPARE(round, 1478);
    QVERIFY(!m_toto.readRoundNumber(QStringLiteral("第1479回totoくじ指定試合"), round, QStringLiteral("BIGくじ指定試合")));
    QVERIFY(!m_toto.readRoundNumber(QStringLiteral("BIGくじ指定試合"), round, QStringLiteral("BIGくじ指定試合")));
    QCOMPARE(round, 1478);
}

void TestPageValues::stringToCurrency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Money>("expected");

    QTest::newRow("yen with grouping") << "1,234,567円" << money("1234567");
    QTest::newRow("percent") << "12.34%" << money("12.34");
    QTest::newRow("sign dropped") << "-500" << money("500");
    QTest::newRow("more than four decimals round to even") << "0.12345" << money("0.1234");
    QTest::newRow("leading dot") << ".5" << money("0.5");
    QTest::newRow("empty") << "" << Money();
    QTest::newRow("only a dot") << "." << Money();
    QTest::newRow("only dots") << "..." << Money();
    QTest::newRow("two dots") << "1.2.3" << Money();
    QTest::newRow("full-width digits are dropped") << "１２３" << Money();
    QTest::newRow("words") << "該当なし" << Money();
}

void TestPageValues::stringToCurrency()
{
    QFETCH(QString, text);
    QFETCH(Money, expected);
    QCOMPARE(m_toto.stringToCurrency(text), expected);
}

void TestPageValues::stringToCurrencyOverflowIsReported()
{
    QCOMPARE(m_toto.stringToCurrency(QStringLiteral("99,999,999,999,999,999,999円")), Money());
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes().first().icon, Ui::Icon::Error);
    QCOMPARE(m_ui->boxes().first().title, QStringLiteral("QUDO / clsHtmlToto / StringToCurrency"));
    QCOMPARE(m_ui->boxes().first().text, QStringLiteral("オーバーフローしました。 ( 6 )"));
}

void TestPageValues::getValue2_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<Money>("count");
    QTest::addColumn<Money>("rate");

    QTest::newRow("count and rate") << "1,234,567(12.34%)" << true << money("1234567") << money("12.34");
    QTest::newRow("full width") << "　１，２３４（５６．７８％）" << true << money("1234") << money("56.78");
    QTest::newRow("rate only") << "(12%)" << true << Money() << money("12");
    QTest::newRow("brackets the wrong way") << "5)(6" << true << money("5") << money("6");
    QTest::newRow("no brackets") << "1,234,567" << false << untouchedMoney << untouchedMoney;
    QTest::newRow("only an opening bracket") << "1,234(5%" << false << untouchedMoney << untouchedMoney;
    QTest::newRow("empty") << "" << false << untouchedMoney << untouchedMoney;
}

void TestPageValues::getValue2()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(Money, count);
    QFETCH(Money, rate);
    Money value1 = untouchedMoney;
    Money value2 = untouchedMoney;
    QCOMPARE(m_toto.getValue2(text, value1, value2), read);
    QCOMPARE(value1, count);
    QCOMPARE(value2, rate);
}

void TestPageValues::stringToDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OleDate>("expected");

    QTest::newRow("年月日") << "2021年3月6日" << at(2021, 3, 6);
    QTest::newRow("年月日 and time") << "2021年3月6日19:00" << at(2021, 3, 6, 19, 0);
    QTest::newRow("full width") << "２０２１／３／６　９：３０" << at(2021, 3, 6, 9, 30);
    QTest::newRow("slash form") << "2024/3/9" << at(2024, 3, 9);
    QTest::newRow("time alone") << "19:00" << OleDate::fromTime(QTime(19, 0));
    QTest::newRow("month 13") << "2021年13月40日" << OleDate();
    QTest::newRow("no such day") << "2021/2/29" << OleDate();
    QTest::newRow("weekday left in") << "2021年3月6日(土)" << OleDate();
    QTest::newRow("empty") << "" << OleDate();
    QTest::newRow("dots") << "..." << OleDate();
}

void TestPageValues::stringToDate()
{
    QFETCH(QString, text);
    QFETCH(OleDate, expected);
    QCOMPARE(m_toto.stringToDate(text), expected);
}

void TestPageValues::stringToDateEx_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OleDate>("expected");
    QTest::addColumn<QString>("narrowed");

    QTest::newRow("full width with weekday and tail") << "２０２１年３月６日（土）１９：００～" << at(2021, 3, 6, 19, 0)
                                                      << "2021年3月6日(土)19:00~";
    QTest::newRow("weekday and tail") << "2021年3月6日(土)19:00～" << at(2021, 3, 6, 19, 0)
                                      << "2021年3月6日(土)19:00~";
    QTest::newRow("weekday only") << "2024年3月11日（月）" << at(2024, 3, 11) << "2024年3月11日(月)";
    QTest::newRow("no brackets") << "2021年3月6日" << at(2021, 3, 6) << "2021年3月6日";
    QTest::newRow("no brackets, tail stays") << "2021年3月6日19:00～" << OleDate() << "2021年3月6日19:00~";
    QTest::newRow("bracket first is no weekday") << "(土)" << OleDate() << "(土)";
    QTest::newRow("brackets the wrong way") << "2021年3月6日)土(" << OleDate() << "2021年3月6日)土(";
    QTest::newRow("month 13") << "2021年13月40日(土)" << OleDate() << "2021年13月40日(土)";
    QTest::newRow("empty") << "" << OleDate() << "";
}

void TestPageValues::stringToDateEx()
{
    QFETCH(QString, text);
    QFETCH(OleDate, expected);
    QFETCH(QString, narrowed);
    QCOMPARE(m_toto.stringToDateEx(text), expected);
    QCOMPARE(text, narrowed);
}

void TestPageValues::stringToDateEx2_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OleDate>("expected");

    QTest::newRow("period keeps the later time") << "2021年3月6日(土)10:00～13:50" << at(2021, 3, 6, 13, 50);
    QTest::newRow("no time") << "2021年3月6日(土)" << at(2021, 3, 6);
    QTest::newRow("one-digit hour") << "2021年3月6日(土)9:30" << at(2021, 3, 6, 9, 30);
    QTest::newRow("one- and two-digit hours") << "2021年3月6日(土)9:30～10:00" << at(2021, 3, 6, 10, 0);
    QTest::newRow("evening before morning") << "2021年3月6日(土)19:00～9:00" << at(2021, 3, 6, 19, 0);
    QTest::newRow("full-width time") << "2021年3月6日（土）１０：００" << at(2021, 3, 6, 10, 0);
    QTest::newRow("no valid time") << "2021年3月6日(土)99:99" << at(2021, 3, 6);
    QTest::newRow("no 日") << "2021年3月" << OleDate();
    QTest::newRow("colon at the start") << ":30日" << OleDate();
    QTest::newRow("month 13") << "2021年13月40日10:00" << OleDate();
    QTest::newRow("empty") << "" << OleDate();
}

void TestPageValues::stringToDateEx2()
{
    QFETCH(QString, text);
    QFETCH(OleDate, expected);
    QCOMPARE(m_toto.stringToDateEx2(text), expected);
}

void TestPageValues::dateString2_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OleDate>("first");
    QTest::addColumn<OleDate>("second");

    QTest::newRow("sales period") << "2024年3月4日（月）10:00～2024年3月9日（土）12:50" << at(2024, 3, 4, 10, 0)
                                  << at(2024, 3, 9, 12, 50);
    QTest::newRow("まで") << "2024年3月4日（月）～2024年3月9日（土）まで" << at(2024, 3, 4) << at(2024, 3, 9);
    QTest::newRow("years from 2030") << "2030年1月4日(金)10:00～2030年1月9日(水)12:50" << at(2030, 1, 4, 10, 0)
                                     << at(2030, 1, 9, 12, 50);
    QTest::newRow("space after the mark") << "2024年3月4日～ 2024年3月9日" << at(2024, 3, 4) << at(2024, 3, 9);
    QTest::newRow("mark alone") << "～" << OleDate() << OleDate();
    QTest::newRow("no mark") << "2024年3月4日" << untouched << untouched;
    QTest::newRow("empty") << "" << untouched << untouched;
}

void TestPageValues::dateString2()
{
    QFETCH(QString, text);
    QFETCH(OleDate, first);
    QFETCH(OleDate, second);
    OleDate date1 = untouched;
    OleDate date2 = untouched;
    m_toto.dateString2(text, date1, date2);
    QCOMPARE(date1, first);
    QCOMPARE(date2, second);
}

void TestPageValues::getStringToDateNow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<OleDate>("date");
    QTest::addColumn<bool>("final");

    QTest::newRow("end of sales") << "(2021年3月13日13:50販売終了時点)" << true << at(2021, 3, 13, 13, 50) << true;
    QTest::newRow("during sales") << "(2021年3月10日10:00時点)" << true << at(2021, 3, 10, 10, 0) << false;
    QTest::newRow("full-width time") << "(2021年3月10日１０：００時点)" << true << at(2021, 3, 10, 10, 0) << false;
    QTest::newRow("no opening bracket") << "2021年3月10日10:00時点)" << false << untouched << true;
    QTest::newRow("no marker") << "(2021年3月10日10:00)" << false << untouched << false;
    QTest::newRow("bad date") << "(2021年13月40日10:00時点)" << true << OleDate() << false;
    QTest::newRow("empty") << "" << false << untouched << true;

    // The forms the site writes today.
    QTest::newRow("時 and 分, full-width weekday")
        << "(2026年04月21日（火）20時40分時点)" << true << at(2026, 4, 21, 20, 40) << false;
    QTest::newRow("時 and 分, half-width weekday")
        << "(2026年04月21日(火)20時40分時点)" << true << at(2026, 4, 21, 20, 40) << false;
    QTest::newRow("one-digit minutes") << "(2026年04月21日（火）9時5分時点)" << true << at(2026, 4, 21, 9, 5) << false;
    QTest::newRow("hours only") << "(2026年04月21日（火）20時時点)" << true << at(2026, 4, 21, 20, 0) << false;
    QTest::newRow("full-width colon") << "(2026年04月21日（火）２０：４０時点)" << true << at(2026, 4, 21, 20, 40)
                                      << false;
    QTest::newRow("full-width outer brackets")
        << "（2026年04月21日（火）20時40分時点）" << true << at(2026, 4, 21, 20, 40) << false;
    QTest::newRow("final without a time") << "(2026年05月23日販売終了時点)" << true << at(2026, 5, 23) << true;
    QTest::newRow("final with 時 and 分")
        << "(2026年05月23日（土）13時50分販売終了時点)" << true << at(2026, 5, 23, 13, 50) << true;
    QTest::newRow("hour 25") << "(2026年04月21日（火）25時40分時点)" << true << OleDate() << false;
}

void TestPageValues::getStringToDateNow()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(OleDate, date);
    QFETCH(bool, final);
    OleDate stamp = untouched;
    bool isFinal = true;
    QCOMPARE(m_toto.getStringToDateNow(text, stamp, isFinal), read);
    QCOMPARE(stamp, date);
    QCOMPARE(isFinal, final);
}

QTEST_GUILESS_MAIN(TestPageValues)
#include "TestPageValues.moc"
