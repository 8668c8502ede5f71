#include "common/CsvReference.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "singles/CsvLine.h"
#include "singles/SinglesCsvFile.h"

#include <QTest>

#include <optional>
#include <vector>

// The two readers of a singles line: the one that takes a line exactly as
// the program writes it in place, and the one that reads any line field by
// field. Wherever the first takes a line, both must give the same.

namespace {

// A written line with one byte changed, for every place and every byte
// value: lines as the program writes them, lines a byte away from that, and
// lines broken up by a line end.
std::vector<QByteArray> lineVariants(const char *digits)
{
    const QByteArray written = CsvReference::writtenLine(digits);
    std::vector<QByteArray> variants{written};
    for (qsizetype at = 0; at < written.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            if (char(value) == written[at])
                continue;
            QByteArray line = written;
            line[at] = char(value);
            variants.push_back(line);
        }
    }
    return variants;
}

} // namespace

class TestCsvLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenLinesReadAsFields_data();
    void writtenLinesReadAsFields();
    void linesNearTheWrittenFormLoadAsFields_data();
    void linesNearTheWrittenFormLoadAsFields();
};

void TestCsvLine::writtenLinesReadAsFields_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("every mark 0") << QByteArray("00000000000000");
    QTest::newRow("every mark 2") << QByteArray("22222222222222");
    QTest::newRow("mixed") << QByteArray("10211102201121");
}

// A line the fast reader takes in place is one the field reader reads as the
// same single, without an error.
void TestCsvLine::writtenLinesReadAsFields()
{
    QFETCH(QByteArray, digits);
    int taken = 0;
    for (const QByteArray &line : lineVariants(digits.constData())) {
        qint32 code = -1;
        if (!CsvLine::readWritten(line.constData(), code))
            continue;
        ++taken;
        QVERIFY(line.endsWith("\r\n"));
        std::optional<qint32> single;
        try {
            single = CsvReference::singleOf(std::string_view(line.constData(), std::size_t(line.size() - 2)));
        } catch (const RuntimeError &) {
            QFAIL(line.constData());
        }
        QVERIFY2(single && *single == code, line.constData());
    }
    // The written line and, at each of its 14 digits, the other two marks.
    QCOMPARE(taken, 1 + 14 * 2);
}

void TestCsvLine::linesNearTheWrittenFormLoadAsFields_data()
{
    writtenLinesReadAsFields_data();
}

// A file of lines a byte away from the written form loads as its lines read
// one by one, field by field: the lines taken in place and the others agree.
// Lines on which the field reader reports an error are left out, so that the
// whole file loads.
void TestCsvLine::linesNearTheWrittenFormLoadAsFields()
{
    QFETCH(QByteArray, digits);
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    QByteArray bytes;
    for (QByteArray line : lineVariants(digits.constData())) {
        if (!line.endsWith('\r') && !line.endsWith('\n'))
            line += "\r\n";
        try {
            for (const std::string_view piece : CsvReference::linesOf(line))
                CsvReference::singleOf(piece);
        } catch (const RuntimeError &) {
            continue;
        }
        bytes += line;
    }
    const std::optional<std::vector<qint32>> expected = CsvReference::expectedSingles(CsvReference::linesOf(bytes));
    QVERIFY(expected);
    QVERIFY(CsvReference::linesOf(bytes).size() > 3000);
    QVERIFY(expected->size() >= 1 + 14 * 2);
    app.writeFile(QStringLiteral("UserData/near.csv"), bytes);
    std::vector<qint32> loaded;
    qint32 count = 0;
    QVERIFY(SinglesCsvFile().csvLoad(QStringLiteral("UserData\\near.csv"), count, loaded));
    QVERIFY(loaded == *expected);
    QCOMPARE(count, qint32(loaded.size()));
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestCsvLine)
#include "TestCsvLine.moc"
