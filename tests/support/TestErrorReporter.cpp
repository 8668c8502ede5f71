#include "common/RecordingUi.h"
#include "support/ErrorReporter.h"
#include "support/RuntimeError.h"

#include <QTest>

class TestErrorReporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageIsWarning();
    void runtimeErrorIsErrorBox();
    void guardReportsAndFallsBack();
    void noInstalledUiAnswersNo();
};

void TestErrorReporter::messageIsWarning()
{
    RecordingUi ui;
    ErrorReporter(QStringLiteral("clsIniFile")).reportInitializeError(QStringLiteral("GetItem"));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsIniFile / GetItem"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("Initialize Err"));
}

void TestErrorReporter::runtimeErrorIsErrorBox()
{
    RecordingUi ui;
    ErrorReporter reporter(QStringLiteral("clsXmlResult"));
    reporter.report(QStringLiteral("XmlLoad"), RuntimeError::fromNumber(RuntimeError::TypeMismatch));
    reporter.report(QStringLiteral("XmlLoad"), RuntimeError(1001, QStringLiteral("独自のエラー"), QStringLiteral("MSXML")));
    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsXmlResult / XmlLoad"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("型が一致しません。 ( 13 )"));
    QCOMPARE(ui.boxes()[1].title, QStringLiteral("MSXML / clsXmlResult / XmlLoad"));
    QCOMPARE(ui.boxes()[1].text, QStringLiteral("独自のエラー ( 1001 )"));
}

void TestErrorReporter::guardReportsAndFallsBack()
{
    RecordingUi ui;
    ErrorReporter reporter(QStringLiteral("clsHtmlToto"));
    QCOMPARE(reporter.guard(QStringLiteral("StringToCurrency"), 0, [] { return 7; }), 7);
    QVERIFY(ui.boxes().isEmpty());
    const int result = reporter.guard(QStringLiteral("StringToCurrency"), -1, []() -> int {
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    });
    QCOMPARE(result, -1);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("オーバーフローしました。 ( 6 )"));
    // Other exceptions are reported as the run-time error they stand for.
    reporter.guard(QStringLiteral("StringToCurrency"), 0, []() -> int { throw std::bad_alloc(); });
    QCOMPARE(ui.boxes()[1].text, QStringLiteral("メモリが不足しています。 ( 7 )"));
}

void TestErrorReporter::noInstalledUiAnswersNo()
{
    QVERIFY(!Ui::instance().askYesNo(QStringLiteral("QUDO"), QStringLiteral("?")));
}

QTEST_GUILESS_MAIN(TestErrorReporter)
#include "TestErrorReporter.moc"
