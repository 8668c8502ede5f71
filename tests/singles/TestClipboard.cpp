#include "common/FakeClipboard.h"
#include "common/OfficialSite.h"
#include "common/RecordingUi.h"
#include "singles/ClipboardImport.h"
#include "singles/ClipboardExport.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <vector>

using Singles = std::vector<qint32>;
Q_DECLARE_METATYPE(Singles)

namespace {

// The code of 14 mark digits, match 1 first (the base-3 rule written out).
qint32 codeOf(const QString &digits)
{
    qint32 code = 0;
    for (int i = 13; i >= 0; --i)
        code = code * 3 + (digits[i].unicode() - u'0');
    return code;
}

QString digitsOf(qint32 code)
{
    QString digits;
    for (int i = 0; i < 14; ++i, code /= 3)
        digits += QChar(u'0' + code % 3);
    return digits;
}

Singles randomSingles(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    Singles singles(std::size_t(count), 0);
    for (qint32 &single : singles)
        single = qint32(random.bounded(quint32(SingleCode::CodeCount)));
    return singles;
}

const qint32 sample = codeOf(QStringLiteral("10211102201121"));
const QString copied = QStringLiteral("クリップボードへコピーしました");
const QString refused = QStringLiteral("1万口以上は出力出来ません");

struct Imported
{
    qint32 count = -1;
    Singles singles{7, 8};
};

Imported importText(const QString &text)
{
    FakeClipboard clipboard;
    clipboard.copy(text);
    Imported imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, imported.count, imported.singles);
    return imported;
}

// The import's rules written out plainly, to check it against noise.
Singles referenceImport(const QString &text)
{
    Singles singles;
    for (QString line : text.split(QStringLiteral("\r\n"))) {
        line.remove(u' ');
        if (line.contains(u':'))
            line = line.section(u':', 1);
        static const QRegularExpression marks(QStringLiteral("^[012]{14}$"));
        if (marks.match(line).hasMatch())
            singles.push_back(codeOf(line));
    }
    return singles;
}

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importLines_data();
    void importLines();
    void importNothingWritesEmptyList();
    void importOfOtherFormatWritesNothing();
    void importOfNoiseFollowsTheRules_data();
    void importOfNoiseFollowsTheRules();
    void exportLayout_data();
    void exportLayout();
    void exportOfTenThousandRows();
    void exportOfTenThousandColumns();
    void exportRefusesTenThousandAndOne_data();
    void exportRefusesTenThousandAndOne();
    void exportThenImportGivesTheList_data();
    void exportThenImportGivesTheList();
};

void TestClipboard::importLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Singles>("singles");
    QTest::newRow("labelled lines") << "0001:10211102201121\r\n0002:00000000000000\r\n" << Singles{2911267, 0};
    QTest::newRow("13, 15 digits and a letter")
        << "1021110220112\r\n102111022011213\r\n1021110220112a\r\n" << Singles{};
    QTest::newRow("digits between spaces") << "1 0 2 1 1 1 0 2 2 0 1 1 2 1\r\n" << Singles{sample};
    QTest::newRow("label with spaces") << "No.5 : 1021 1102 2011 21" << Singles{sample};
    QTest::newRow("CSV line") << "1,0,2,1,1,1,0,2,2,0,1,1,2,1\r\n" << Singles{};
    QTest::newRow("full-width marks") << "１０２１１１０２２０１１２１\r\n" << Singles{};
    QTest::newRow("full-width colon") << "0001：10211102201121\r\n" << Singles{};
    QTest::newRow("full-width space") << "1021110　2201121\r\n" << Singles{};
    QTest::newRow("tab") << "10211102201121\t\r\n" << Singles{};
    QTest::newRow("LF only is one line") << "10211102201121\n00000000000000\n" << Singles{};
    QTest::newRow("CR only is one line") << "10211102201121\r00000000000000\r" << Singles{};
    QTest::newRow("lone line without end") << "22222222222222" << Singles{SingleCode::MaxCode};
    QTest::newRow("blank lines between") << "\r\n10211102201121\r\n\r\n\r\n00000000000000" << Singles{sample, 0};
    QTest::newRow("everything up to the first colon") << "a:b:10211102201121\r\nx:y:\r\n::10211102201121" << Singles{};
    QTest::newRow("colon after the marks") << "10211102201121:\r\n" << Singles{};
    QTest::newRow("mark 3") << "10211102201123\r\n" << Singles{};
    QTest::newRow("empty") << "" << Singles{};
    QTest::newRow("repeated singles kept") << "1:10211102201121\r\n2:10211102201121\r\n" << Singles{sample, sample};
}

void TestClipboard::importLines()
{
    QFETCH(QString, text);
    QFETCH(Singles, singles);
    RecordingUi ui;
    const Imported imported = importText(text);
    QCOMPARE(imported.singles, singles);
    QCOMPARE(imported.count, qint32(singles.size()));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(!ui.busy());
}

void TestClipboard::importNothingWritesEmptyList()
{
    RecordingUi ui;
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("10211102201121"), false);   // not text
    Imported imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, imported.count, imported.singles);
    QCOMPARE(imported.count, 0);
    QVERIFY(imported.singles.empty());
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(clipboard.calls().isEmpty());
}

void TestClipboard::importOfOtherFormatWritesNothing()
{
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("10211102201121"));
    Imported imported;
    ClipboardImport(clipboard).clipImport(1, imported.count, imported.singles);
    QCOMPARE(imported.count, -1);
    QCOMPARE(imported.singles, (Singles{7, 8}));
}

void TestClipboard::importOfNoiseFollowsTheRules_data()
{
    QTest::addColumn<QString>("text");
    QRandomGenerator random(99);
    // A megabyte of characters that make and break mark lines.
    const QString alphabet = QStringLiteral("0120120120  ::\r\n\r\nx３　\t,");
    QString marksNoise(1 << 20, u' ');
    for (QChar &c : marksNoise)
        c = alphabet[random.bounded(int(alphabet.size()))];
    QTest::newRow("mark characters") << marksNoise;
    QString anyNoise(1 << 20, u' ');
    for (QChar &c : anyNoise)
        c = QChar(char16_t(random.bounded(1, 0xD800)));
    QTest::newRow("any characters") << anyNoise;
    QString lines;
    for (int i = 0; i < 40000; ++i)
        lines += digitsOf(qint32(random.bounded(quint32(SingleCode::CodeCount)))).insert(random.bounded(15), u' ')
                 + QStringLiteral("\r\n");
    QTest::newRow("mark lines with a space") << lines;
}

void TestClipboard::importOfNoiseFollowsTheRules()
{
    QFETCH(QString, text);
    RecordingUi ui;
    const Imported imported = importText(text);
    QVERIFY(imported.singles == referenceImport(text));
    QCOMPARE(imported.count, qint32(imported.singles.size()));
    QVERIFY(ui.boxes().isEmpty());
}

void TestClipboard::exportLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<Singles>("singles");
    QTest::addColumn<QString>("text");   // empty: nothing copied, no box
    const Singles five{sample, 0, 19, SingleCode::MaxCode, 1};
    QTest::newRow("rows of 5") << 3 << five
                               << "1:10211102201121\r\n2:00000000000000\r\n3:10200000000000\r\n"
                                  "4:22222222222222\r\n5:10000000000000\r\n";
    Singles twelve{sample, 0};
    twelve.resize(12, 19);
    QString rows = QStringLiteral("01:10211102201121\r\n02:00000000000000\r\n");
    for (int k = 3; k <= 12; ++k)
        rows += QStringLiteral("%1:10200000000000\r\n").arg(k, 2, 10, QLatin1Char('0'));
    QTest::newRow("rows of 12") << 3 << twelve << rows;
    QTest::newRow("rows of none") << 3 << Singles{} << "";
    QString empty;
    for (int g = 1; g <= 14; ++g)
        empty += QStringLiteral("%1 \r\n").arg(g, 2, 10, QLatin1Char('0'));
    QTest::newRow("columns of none") << 4 << Singles{} << empty;
    // Singles 1 and 2 are 10211102201121 and all "0", the other ten 1020…0.
    QString columns;
    const QString first = QStringLiteral("10211102201121");
    for (int g = 0; g < 14; ++g) {
        const QChar rest = g == 0 ? u'1' : g == 2 ? u'2' : u'0';
        columns += QStringLiteral("%1 ").arg(g + 1, 2, 10, QLatin1Char('0')) + first[g] + u'0' + QString(8, rest) + u' '
                   + QString(2, rest) + QStringLiteral("\r\n");
    }
    QTest::newRow("columns of 12") << 4 << twelve << columns;
    QString ten;
    for (int g = 0; g < 14; ++g)
        ten += QStringLiteral("%1 ").arg(g + 1, 2, 10, QLatin1Char('0')) + QString(10, g == 0 ? u'1' : g == 2 ? u'2' : u'0')
               + QStringLiteral(" \r\n");
    QTest::newRow("columns of 10") << 4 << Singles(10, 19) << ten;
    QTest::newRow("other layout") << 0 << five << "";
    QTest::newRow("layout 5") << 5 << five << "";
}

void TestClipboard::exportLayout()
{
    QFETCH(int, layout);
    QFETCH(Singles, singles);
    QFETCH(QString, text);
    RecordingUi ui;
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("before"));
    ClipboardExport(clipboard).clipExport(qint16(layout), singles);
    if (text.isEmpty()) {
        QCOMPARE(clipboard.held(), QStringLiteral("before"));
        QVERIFY(clipboard.calls().isEmpty());
        QVERIFY(ui.boxes().isEmpty());
        return;
    }
    QCOMPARE(clipboard.held(), text);
    QCOMPARE(clipboard.calls(), (QStringList{"clear", "setText"}));
    QCOMPARE(boxLines(ui), QStringList{boxLine(Ui::Icon::Information, QStringLiteral("QUDO"), copied)});
    QVERIFY(!ui.busy());
}

void TestClipboard::exportOfTenThousandRows()
{
    RecordingUi ui;
    FakeClipboard clipboard;
    const Singles singles = randomSingles(10000, 5);
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, singles);
    const QStringList lines = clipboard.held().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 10001);
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[0], QStringLiteral("00001:") + digitsOf(singles[0]));
    QCOMPARE(lines[41], QStringLiteral("00042:") + digitsOf(singles[41]));
    QCOMPARE(lines[9999], QStringLiteral("10000:") + digitsOf(singles[9999]));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].text, copied);
}

void TestClipboard::exportOfTenThousandColumns()
{
    RecordingUi ui;
    FakeClipboard clipboard;
    const Singles singles = randomSingles(10000, 6);
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutColumns, singles);
    const QStringList lines = clipboard.held().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);
    for (int g = 0; g < 14; ++g) {
        QString expected = QStringLiteral("%1 ").arg(g + 1, 2, 10, QLatin1Char('0'));
        for (std::size_t i = 0; i < singles.size(); ++i)
            expected += digitsOf(singles[i])[g] + QString((i + 1) % 10 == 0 ? " " : "");
        QCOMPARE(lines[g], expected);
    }
    QCOMPARE(ui.boxes().size(), 1);
}

void TestClipboard::exportRefusesTenThousandAndOne_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("rows") << 3;
    QTest::newRow("columns") << 4;
}

void TestClipboard::exportRefusesTenThousandAndOne()
{
    QFETCH(int, layout);
    RecordingUi ui;
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("before"));
    ClipboardExport(clipboard).clipExport(qint16(layout), Singles(10001, 19));
    QCOMPARE(clipboard.held(), QStringLiteral("before"));
    QVERIFY(clipboard.calls().isEmpty());
    QCOMPARE(boxLines(ui), QStringList{boxLine(Ui::Icon::Warning, QStringLiteral("QUDO"), refused)});
    QVERIFY(!ui.busy());
}

void TestClipboard::exportThenImportGivesTheList_data()
{
    QTest::addColumn<Singles>("singles");
    QTest::newRow("one") << Singles{sample};
    QTest::newRow("5") << randomSingles(5, 1);
    QTest::newRow("12") << randomSingles(12, 2);
    QTest::newRow("10,000") << randomSingles(10000, 3);
}

void TestClipboard::exportThenImportGivesTheList()
{
    QFETCH(Singles, singles);
    RecordingUi ui;
    FakeClipboard clipboard;
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, singles);
    Imported imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, imported.count, imported.singles);
    QCOMPARE(imported.count, qint32(singles.size()));
    QVERIFY(imported.singles == singles);
}

QTEST_GUILESS_MAIN(TestClipboard)
#include "TestClipboard.moc"
