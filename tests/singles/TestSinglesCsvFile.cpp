#include "common/CsvReference.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "singles/SinglesCsvFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <vector>

using Singles = std::vector<qint32>;
Q_DECLARE_METATYPE(Singles)

namespace {

const QString listFile = QStringLiteral("UserData\\QUDO\\A-512.csv");
const QString listPath = QStringLiteral("UserData/QUDO/A-512.csv");
const QString loadTitle = QStringLiteral("QUDO / clsTFileCSV / CsvLoad_Sub");
const QString saveTitle = QStringLiteral("QUDO / clsTFileCSV / CsvSave_Sub");

// The code of 14 mark digits, match 1 first (the base-3 rule written out).
qint32 codeOf(const char *digits)
{
    qint32 code = 0;
    for (int i = 13; i >= 0; --i)
        code = code * 3 + (digits[i] - '0');
    return code;
}

// A list that a failed load must leave alone.
const Singles earlierList{5, 6, 7};

struct Loaded
{
    bool ok = false;
    qint32 count = -1;
    Singles singles;
};

Loaded loadFrom(const QString &file)
{
    Loaded loaded{false, qint32(earlierList.size()), earlierList};
    loaded.ok = SinglesCsvFile().csvLoad(file, loaded.count, loaded.singles);
    return loaded;
}

// The file as the program's folder holds it after a load of bytes.
Loaded loadBytes(const TestAppFolder &app, const QByteArray &bytes)
{
    app.writeFile(listPath, bytes);
    return loadFrom(listFile);
}

// The file of a list, written out digit by digit.
QByteArray fileOf(const Singles &singles)
{
    QByteArray bytes;
    for (qint32 code : singles) {
        char digits[14];
        for (char &digit : digits) {
            digit = char('0' + code % 3);
            code /= 3;
        }
        bytes += CsvReference::writtenLine(digits);
    }
    return bytes;
}

Singles stridedSingles(qint32 stride)
{
    Singles singles;
    for (qint32 code = 0; code < SingleCode::CodeCount; code += stride)
        singles.push_back(code);
    singles.push_back(SingleCode::MaxCode);
    return singles;
}

QStringList folderEntries(const TestAppFolder &app)
{
    return QDir(app.filePath(QStringLiteral("UserData/QUDO"))).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestSinglesCsvFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesOneLinePerSingle();
    void emptyListIsEmptyFile();
    void roundTripOverEveryDigit();
    void loadKeepsOnlySingles_data();
    void loadKeepsOnlySingles();
    void loadFailureKeepsList_data();
    void loadFailureKeepsList();
    void loadMissingFile();
    void noiseNeverCrashes_data();
    void noiseNeverCrashes();
    void overlongLineIsSkipped();
    void loadProgress();
    void saveProgress();
    void saveFailingPartWayKeepsOldFile();
    void saveOfCodeOutsideListKeepsOldFile();
    void fileName_data();
    void fileName();
    void roundOfFileName_data();
    void roundOfFileName();
    void groupOfFileName_data();
    void groupOfFileName();
    void numberAt_data();
    void numberAt();
};

void TestSinglesCsvFile::saveWritesOneLinePerSingle()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    QVERIFY(SinglesCsvFile().csvSave(listFile, Singles{0, 19}));
    QCOMPARE(app.readFile(listPath), QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                                                "1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n"));
    const Loaded loaded = loadFrom(listFile);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.count, 2);
    QCOMPARE(loaded.singles, (Singles{0, 19}));
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(!ui.busy());
}

void TestSinglesCsvFile::emptyListIsEmptyFile()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    app.writeFile(listPath, CsvReference::writtenLine("11111111111111"));
    QVERIFY(SinglesCsvFile().csvSave(listFile, Singles{}));
    QVERIFY(app.exists(listPath));
    QCOMPARE(app.readFile(listPath), QByteArray());
    const Loaded loaded = loadFrom(listFile);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.count, 0);
    QVERIFY(loaded.singles.empty());
    QVERIFY(ui.boxes().isEmpty());
}

void TestSinglesCsvFile::roundTripOverEveryDigit()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    // A stride prime to 3 passes every mark of every match many times.
    const Singles singles = stridedSingles(97);
    QVERIFY(SinglesCsvFile().csvSave(listFile, singles));
    QVERIFY(app.readFile(listPath) == fileOf(singles));
    const Loaded loaded = loadFrom(listFile);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.count, qint32(singles.size()));
    QVERIFY(loaded.singles == singles);
    QVERIFY(ui.boxes().isEmpty());
}

void TestSinglesCsvFile::loadKeepsOnlySingles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Singles>("singles");
    const QByteArray a = CsvReference::writtenLine("10211102201121");
    const QByteArray b = CsvReference::writtenLine("00000000000000");
    const QByteArray c = CsvReference::writtenLine("22222222222222");
    const qint32 codeA = codeOf("10211102201121"), codeB = 0, codeC = SingleCode::MaxCode;
    QTest::newRow("zero bytes") << QByteArray() << Singles{};
    QTest::newRow("blank and 13-field lines among singles")
        << a + "\r\n" + b + "1,0,2,1,1,1,0,2,2,0,1,1,2\r\n" + c << Singles{codeA, codeB, codeC};
    QTest::newRow("15 fields") << a + "1,0,2,1,1,1,0,2,2,0,1,1,2,1,0\r\n" + b << Singles{codeA, codeB};
    QTest::newRow("trailing comma") << a + "1,0,2,1,1,1,0,2,2,0,1,1,2,1,\r\n" << Singles{codeA};
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n\n\r") << Singles{};
    QTest::newRow("mark 3 skipped") << a + "3,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n" + b << Singles{codeA, codeB};
    QTest::newRow("mark 255 skipped") << "0,0,0,0,0,0,0,0,0,0,0,0,0,255\r\n" + c << Singles{codeC};
    QTest::newRow("mark 1.5 is 2, 2.5 is 2, 3.5 skipped")
        << QByteArray("1.5,0,0,0,0,0,0,0,0,0,0,0,0,2.5\r\n0,0,0,0,0,0,0,0,0,0,0,0,0,3.5\r\n")
        << Singles{codeOf("20000000000002")};
    QTest::newRow("numbers written otherwise")
        << QByteArray(" 1,01,2 ,0,0,0,0,0,0,0,0,0,0,+1\r\n") << Singles{codeOf("11200000000001")};
    QTest::newRow("LF only") << QByteArray("1,0,2,0,0,0,0,0,0,0,0,0,0,0\n2,2,2,2,2,2,2,2,2,2,2,2,2,2\n")
                             << Singles{19, codeC};
    QTest::newRow("lone CR") << QByteArray("1,0,2,0,0,0,0,0,0,0,0,0,0,0\r2,2,2,2,2,2,2,2,2,2,2,2,2,2")
                             << Singles{19, codeC};
    QTest::newRow("last line without end") << a + "0,0,0,0,0,0,0,0,0,0,0,0,0,0" << Singles{codeA, codeB};
    QTest::newRow("tab inside a line") << "1,0,2\t,0,0,0,0,0,0,0,0,0,0,0\r\n" + b << Singles{19, codeB};
    QTest::newRow("semicolons") << QByteArray("1;0;2;0;0;0;0;0;0;0;0;0;0;0\r\n") + c << Singles{codeC};
    QTest::newRow("digits without commas") << QByteArray("10211102201121\r\n") + b << Singles{codeB};
}

void TestSinglesCsvFile::loadKeepsOnlySingles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Singles, singles);
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    const Loaded loaded = loadBytes(app, bytes);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.singles, singles);
    QCOMPARE(loaded.count, qint32(singles.size()));
    QVERIFY(ui.boxes().isEmpty());
    QCOMPARE(app.readFile(listPath), bytes);
    // Read in one pass without a window, the same list.
    const int shows = ui.progressShows();
    QCOMPARE(SinglesCsvFile().readSingles(listFile), singles);
    QCOMPARE(ui.progressShows(), shows);
    QVERIFY(ui.boxes().isEmpty());
}

void TestSinglesCsvFile::loadFailureKeepsList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QByteArray good = CsvReference::writtenLine("10211102201121");
    const QString mismatch = QStringLiteral("型が一致しません。 ( 13 )");
    const QString overflow = QStringLiteral("オーバーフローしました。 ( 6 )");
    QTest::newRow("letters") << good + "a,b,c,d,e,f,g,h,i,j,k,l,m,n\r\n" << mismatch;
    QTest::newRow("header row") << "m1,m2,m3,m4,m5,m6,m7,m8,m9,m10,m11,m12,m13,m14\r\n" + good << mismatch;
    QTest::newRow("empty field") << good + "1,,2,0,0,0,0,0,0,0,0,0,0,0\r\n" << mismatch;
    QTest::newRow("full-width digits") << good + TestFiles::sjis(QStringLiteral("１,０,２,０,０,０,０,０,０,０,０,０,０,０\r\n"))
                                       << mismatch;
    QTest::newRow("beyond a byte") << good + "300,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n" << overflow;
    QTest::newRow("negative") << good + "-1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n" << overflow;
}

void TestSinglesCsvFile::loadFailureKeepsList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    const Loaded loaded = loadBytes(app, bytes);
    QVERIFY(!loaded.ok);
    QCOMPARE(loaded.count, qint32(earlierList.size()));
    QCOMPARE(loaded.singles, earlierList);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, loadTitle);
    QCOMPARE(ui.boxes()[0].text, text);
    QVERIFY(!ui.progressShown());
    QCOMPARE(app.readFile(listPath), bytes);
}

void TestSinglesCsvFile::loadMissingFile()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    const Loaded loaded = loadFrom(QStringLiteral("UserData\\QUDO\\A-512.txt.csv"));
    QVERIFY(!loaded.ok);
    QCOMPARE(loaded.singles, earlierList);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, loadTitle);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("ファイルが見つかりません。 ( 53 )"));
    QVERIFY(!ui.progressShown());
    QVERIFY(!app.exists(QStringLiteral("UserData")));
}

void TestSinglesCsvFile::noiseNeverCrashes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QRandomGenerator random(20240607);
    QByteArray noise(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("random bytes") << noise;
    QByteArray binary;
    for (int i = 0; i < 1 << 16; ++i)
        binary += char(i % 256);
    QTest::newRow("binary with NULs") << binary;
    QByteArray commas = noise;
    for (qsizetype i = 0; i < commas.size(); i += 3)
        commas[i] = ',';
    QTest::newRow("noise full of commas") << commas;
}

void TestSinglesCsvFile::noiseNeverCrashes()
{
    QFETCH(QByteArray, bytes);
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    const Loaded loaded = loadBytes(app, bytes);
    if (loaded.ok) {
        QVERIFY(ui.boxes().isEmpty());
        QCOMPARE(loaded.count, qint32(loaded.singles.size()));
        for (const qint32 code : loaded.singles)
            QVERIFY(code >= 0 && code <= SingleCode::MaxCode);
    } else {
        QCOMPARE(ui.boxes().size(), 1);
        QCOMPARE(ui.boxes()[0].title, loadTitle);
        QCOMPARE(loaded.singles, earlierList);
    }
    QVERIFY(!ui.progressShown());
    QCOMPARE(app.readFile(listPath), bytes);
}

void TestSinglesCsvFile::overlongLineIsSkipped()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    // One line of 30 MB: fourteen fields, one of them millions of digits long.
    QByteArray huge = "1" + QByteArray(30 << 20, '0') + ",0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    const QByteArray bytes = CsvReference::writtenLine("10211102201121") + huge + CsvReference::writtenLine("22222222222222")
                             + QByteArray(20 << 20, ',') + "\r\n" + CsvReference::writtenLine("00000000000000");
    huge.clear();
    const Loaded loaded = loadBytes(app, bytes);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.singles, (Singles{codeOf("10211102201121"), SingleCode::MaxCode, 0}));
    QVERIFY(ui.boxes().isEmpty());
}

void TestSinglesCsvFile::loadProgress()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    QByteArray bytes;
    for (int i = 0; i < 2500; ++i)
        bytes += i == 7 ? QByteArray("\r\n") : CsvReference::writtenLine("01201201201201");
    QStringList messagesWhileRunning;
    ui.onProcessEvents = [&] { messagesWhileRunning = ui.progressMessages(); };
    const Loaded loaded = loadBytes(app, bytes);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.count, 2499);
    QCOMPARE(ui.progressMessages(), (QStringList{"CSVデータ数の取得中", "CSVファイルの読込中"}));
    QCOMPARE(messagesWhileRunning, ui.progressMessages());
    QCOMPARE(ui.progressMax(), 2500);
    QCOMPARE(ui.progressValues(), (QList<qint32>{1001, 2002, 2500}));
    QCOMPARE(ui.processEventsCalls(), 2);
    QCOMPARE(ui.progressShows(), 1);
    QCOMPARE(ui.progressCloses(), 1);
    QVERIFY(!ui.busy());
}

void TestSinglesCsvFile::saveProgress()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    bool shownWhileRunning = false;
    ui.onProcessEvents = [&] { shownWhileRunning = ui.progressShown(); };
    QVERIFY(SinglesCsvFile().csvSave(listFile, Singles(2500, 19)));
    QVERIFY(shownWhileRunning);
    QCOMPARE(ui.progressMessages(), QStringList{"CSVファイルに保存中"});
    QCOMPARE(ui.progressMax(), 2499);
    QCOMPARE(ui.progressValues(), (QList<qint32>{1000, 2001, 2499}));
    QCOMPARE(ui.processEventsCalls(), 2);
    QVERIFY(!ui.progressShown());
    QCOMPARE(app.readFile(listPath).size(), 2500 * 29);
}

void TestSinglesCsvFile::saveFailingPartWayKeepsOldFile()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    const QByteArray old = CsvReference::writtenLine("10211102201121");
    app.writeFile(listPath, old);

    // Every file this process writes may grow to 4 KB only, as on a full disk.
    RecordingUi ui;
    bool saved = true;
    QVERIFY(TestFiles::runWithFileSizeLimit(4096, [&] { saved = SinglesCsvFile().csvSave(listFile, stridedSingles(101)); }));

    QVERIFY(!saved);
    QCOMPARE(app.readFile(listPath), old);
    QCOMPARE(folderEntries(app), QStringList{"A-512.csv"});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, saveTitle);
    QVERIFY(!ui.progressShown());
}

void TestSinglesCsvFile::saveOfCodeOutsideListKeepsOldFile()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    const QByteArray old = CsvReference::writtenLine("10211102201121");
    app.writeFile(listPath, old);
    RecordingUi ui;
    QVERIFY(!SinglesCsvFile().csvSave(listFile, Singles{0, 19, -1}));
    QVERIFY(!SinglesCsvFile().csvSave(listFile, Singles{SingleCode::CodeCount}));
    QCOMPARE(app.readFile(listPath), old);
    QCOMPARE(folderEntries(app), QStringList{"A-512.csv"});
    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].title, saveTitle);
}

void TestSinglesCsvFile::fileName_data()
{
    QTest::addColumn<qint32>("round");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::newRow("512") << 512 << "" << "A-512.csv";
    QTest::newRow("512 B") << 512 << "B" << "A-512B.csv";
    QTest::newRow("7") << 7 << "" << "A-007.csv";
    QTest::newRow("1478 A") << 1478 << "A" << "A-1478A.csv";
    QTest::newRow("no round") << 0 << "" << "A-000.csv";
}

void TestSinglesCsvFile::fileName()
{
    QFETCH(qint32, round);
    QFETCH(QString, group);
    QFETCH(QString, name);
    QCOMPARE(SinglesCsvFile::getCsvFileName(round, group), name);
}

void TestSinglesCsvFile::roundOfFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint32>("round");
    QTest::newRow("convention name with folders") << "a:\\x\\A-512.csv" << 512;
    QTest::newRow("prefix any case, leading zero, group") << "a-0512b.CSV" << 512;
    QTest::newRow("X prefix") << "X77.csv" << 77;
    QTest::newRow("x prefix") << "x77.csv" << 77;
    QTest::newRow("digits first") << "512.csv" << 512;
    QTest::newRow("prefix without number") << "A-.csv" << 0;
    QTest::newRow("no number") << "readme" << 0;
    QTest::newRow("digits to the end") << "A-512" << 0;
    QTest::newRow("native folders") << "/home/user/A-1478.csv" << 1478;
    QTest::newRow("round from the name, not the folder") << "C:\\A-100\\A-512.csv" << 512;
    QTest::newRow("A- then 0") << "A-000.csv" << 0;
    QTest::newRow("beyond 32 bits") << "A-99999999999.csv" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestSinglesCsvFile::roundOfFileName()
{
    QFETCH(QString, path);
    QFETCH(qint32, round);
    QCOMPARE(SinglesCsvFile::readRoundNumber(path), round);
}

void TestSinglesCsvFile::groupOfFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("group");
    QTest::newRow("group A") << "a:\\x\\A-512A.csv" << "A";
    QTest::newRow("small letters") << "a-0512b.CSV" << "B";
    QTest::newRow("no group") << "A-512.csv" << "";
    QTest::newRow("no such group") << "A-512C.csv" << "";
    QTest::newRow("other name") << "A-512 B.csv" << "";
    QTest::newRow("X prefix") << "X512B.csv" << "";
    QTest::newRow("convention name of round 7") << "A-007B.csv" << "B";
}

void TestSinglesCsvFile::groupOfFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, group);
    QCOMPARE(SinglesCsvFile::groupOfFileName(path), group);
    if (!group.isEmpty())
        QCOMPARE(SinglesCsvFile::groupOfFileName(SinglesCsvFile::getCsvFileName(SinglesCsvFile::readRoundNumber(path), group)), group);
}

void TestSinglesCsvFile::numberAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<qint32>("number");
    QTest::newRow("digits after prefix") << "A-512.csv" << 3 << 512;
    QTest::newRow("first character untested") << "A-512.csv" << 2 << -512;
    QTest::newRow("dot and digits are no number") << "A.512.csv" << 2 << 0;
    QTest::newRow("one digit") << "7.csv" << 1 << 7;
    QTest::newRow("start past the end") << "A-" << 3 << 0;
    QTest::newRow("digits run to the end") << "A-512" << 3 << 0;
    QTest::newRow("letter") << "abc" << 1 << 0;
    QTest::newRow("full-width digits end the number") << "A-5１２.csv" << 3 << 5;
}

void TestSinglesCsvFile::numberAt()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(qint32, number);
    QCOMPARE(SinglesCsvFile::getNumberAt(text, start), number);
}

QTEST_GUILESS_MAIN(TestSinglesCsvFile)
#include "TestSinglesCsvFile.moc"
