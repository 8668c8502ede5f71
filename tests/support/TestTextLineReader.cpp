#include "common/TestAppFolder.h"
#include "support/RuntimeError.h"
#include "support/TextLineReader.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

const QByteArray overlongMark = "<overlong>";

QList<QByteArray> readAll(TextLineReader &reader)
{
    QList<QByteArray> lines;
    std::string_view line;
    bool overlong = false;
    while (reader.nextLine(line, overlong))
        lines.append(overlong ? overlongMark : QByteArray(line.data(), qsizetype(line.size())));
    return lines;
}

} // namespace

class TestTextLineReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void countMatchesLinesOfNoise();
    void missingFileThrows();
};

void TestTextLineReader::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("CR LF") << QByteArray("ab\r\ncd\r\n") << QList<QByteArray>{"ab", "cd"};
    QTest::newRow("LF") << QByteArray("ab\ncd\n") << QList<QByteArray>{"ab", "cd"};
    QTest::newRow("lone CR") << QByteArray("ab\rcd\r") << QList<QByteArray>{"ab", "cd"};
    QTest::newRow("LF CR is two ends") << QByteArray("ab\n\rcd") << QList<QByteArray>{"ab", "", "cd"};
    QTest::newRow("unended last line") << QByteArray("ab\r\ncd") << QList<QByteArray>{"ab", "cd"};
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n\n") << QList<QByteArray>{"", "", ""};
    QTest::newRow("NUL kept") << QByteArray("a\0b\r\n", 5) << QList<QByteArray>{QByteArray("a\0b", 3)};
    QTest::newRow("line longer than a chunk")
        << QByteArray("ab\r\n0123456789abcdef\r\ncd") << QList<QByteArray>{"ab", overlongMark, "cd"};
    QTest::newRow("unended overlong line") << QByteArray("ab\r\n0123456789abcdef")
                                           << QList<QByteArray>{"ab", overlongMark};
}

// Every case read with chunks of several sizes, so that line ends fall on
// every position of a chunk, a CR LF pair split between two among them.
void TestTextLineReader::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    TestAppFolder app(TestAppFolder::SysData::None);
    app.writeFile(QStringLiteral("lines.txt"), bytes);
    for (const qsizetype chunk : {8, 9, 10, 11, 13}) {
        TextLineReader reader(app.filePath(QStringLiteral("lines.txt")), chunk);
        QCOMPARE(reader.countLines(), qint64(lines.size()));
        QCOMPARE(readAll(reader), lines);
    }
}

void TestTextLineReader::countMatchesLinesOfNoise()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    QRandomGenerator random(7);
    QByteArray bytes(200000, Qt::Uninitialized);
    static const char alphabet[] = {'\r', '\n', 'a', ','};
    for (char &c : bytes)
        c = alphabet[random.bounded(4)];
    app.writeFile(QStringLiteral("noise.txt"), bytes);
    for (const qsizetype chunk : {17, 4096}) {
        TextLineReader reader(app.filePath(QStringLiteral("noise.txt")), chunk);
        const qint64 counted = reader.countLines();
        QVERIFY(counted > 0);
        QCOMPARE(qint64(readAll(reader).size()), counted);
    }
}

void TestTextLineReader::missingFileThrows()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, TextLineReader(app.filePath(QStringLiteral("none.txt"))));
}

QTEST_GUILESS_MAIN(TestTextLineReader)
#include "TestTextLineReader.moc"
