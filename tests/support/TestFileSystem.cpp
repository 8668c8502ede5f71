#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "support/AppFolder.h"
#include "support/AtomicFileWriter.h"
#include "support/TextFile.h"
#include "support/PathRules.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>


using FSO = PathRules;

class TestFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathRules_data();
    void pathRules();
    void fullPathResolvesAgainstApplicationFolder();
    void existence();
    void folderCheckCreatesParents();
    void deleteFile();
    void loadCutsAtNul();
    void loadMissingFile();
    void loadUnreadableFile();
    void saveCreatesFoldersAndReplaces();
    void saveIntoFileInsteadOfFolder();
    void saveFailingPartWayKeepsOldFile();
    void smallSaveFailingPartWayKeepsOldFile();
    void saveKeepsPermissions();
    void saveThroughLinkReplacesItsTarget();
    void saveRemovesCopyOfKilledSave();
    void moveFile();
};

void TestFileSystem::pathRules_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");
    QTest::newRow("full path of drive path") << "GetFullPath" << "C:\\data\\x.csv" << "" << "C:\\data\\x.csv";
    QTest::newRow("full path of share") << "GetFullPath" << "\\\\server\\share\\x.csv" << "" << "\\\\server\\share\\x.csv";
    QTest::newRow("full path of native") << "GetFullPath" << "/home/u/x.csv" << "" << "/home/u/x.csv";
    QTest::newRow("build after root") << "BuildPath" << "C:\\" << "a.txt" << "C:\\a.txt";
    QTest::newRow("build after drive") << "BuildPath" << "C:" << "a.txt" << "C:a.txt";
    QTest::newRow("build after folder") << "BuildPath" << "C:\\app" << "a.txt" << "C:\\app\\a.txt";
    QTest::newRow("file name") << "GetFileName" << "C:\\dir\\file.csv" << "" << "file.csv";
    QTest::newRow("file name alone") << "GetFileName" << "file.csv" << "" << "file.csv";
    QTest::newRow("file name after drive") << "GetFileName" << "C:file.csv" << "" << "file.csv";
    QTest::newRow("extension") << "GetExtensionName" << "archive.tar.gz" << "" << "gz";
    QTest::newRow("no extension") << "GetExtensionName" << "README" << "" << "";
    QTest::newRow("dot in folder only") << "GetExtensionName" << "C:\\a.b\\README" << "" << "";
    QTest::newRow("parent of folder") << "GetParentFolderName" << "C:\\dir\\sub\\" << "" << "C:\\dir";
    QTest::newRow("parent of bare name") << "GetParentFolderName" << "file.csv" << "" << "";
    QTest::newRow("parent of native") << "GetParentFolderName" << "/app\\SysData\\x.ini" << "" << "/app\\SysData";
    QTest::newRow("extension kept") << "ExtensionCheck" << "a.CSV" << "csv" << "a.CSV";
    QTest::newRow("extension added") << "ExtensionCheck" << "a.txt" << "csv" << "a.txt.csv";
}

void TestFileSystem::pathRules()
{
    QFETCH(QString, operation);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);
    QString actual;
    if (operation == u"GetFullPath")
        actual = FSO::getFullPath(first);
    else if (operation == u"BuildPath")
        actual = FSO::buildPath(first, second);
    else if (operation == u"GetFileName")
        actual = FSO::getFileName(first);
    else if (operation == u"GetExtensionName")
        actual = FSO::getExtensionName(first);
    else if (operation == u"GetParentFolderName")
        actual = FSO::getParentFolderName(first);
    else
        actual = FSO::extensionCheck(first, second);
    QCOMPARE(actual, result);
}

void TestFileSystem::fullPathResolvesAgainstApplicationFolder()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    QCOMPARE(FSO::getFullPath(QStringLiteral("SysData\\bigSettings.ini")),
             app.path() + QStringLiteral("\\SysData\\bigSettings.ini"));
    // The working directory plays no part.
    QDir::setCurrent(QDir::tempPath());
    QVERIFY(FSO::fileExists(QStringLiteral("SysData\\TeamName.dat")));
    QCOMPARE(FSO::toNativePath(QStringLiteral("/app\\SysData\\x.ini")), QStringLiteral("/app/SysData/x.ini"));
}

void TestFileSystem::existence()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/.hidden.dat"), "x");
    QVERIFY(FSO::fileExists(QStringLiteral("SysData\\.hidden.dat")));
    QVERIFY(FSO::fileExists(QStringLiteral("SysData\\*.dat")));
    QVERIFY(!FSO::fileExists(QStringLiteral("SysData\\*.csv")));
    QVERIFY(!FSO::fileExists(QStringLiteral("SysData")));   // a folder is no file
    QVERIFY(FSO::folderExists(QStringLiteral("SysData")));
    QVERIFY(FSO::folderExists(QStringLiteral("SysData\\.hidden.dat")));   // a file counts too
    QVERIFY(FSO::folderExists(QStringLiteral("Sys*")));
    QVERIFY(!FSO::folderExists(QStringLiteral("UserData")));
}

void TestFileSystem::folderCheckCreatesParents()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    QVERIFY(FSO::folderCheck(QStringLiteral("UserData\\QUDO\\deep")));
    QVERIFY(QFileInfo(app.filePath(QStringLiteral("UserData/QUDO/deep"))).isDir());
    QVERIFY(FSO::folderCheck(QStringLiteral("UserData\\QUDO")));
    app.writeFile(QStringLiteral("blocker"), "x");
    QVERIFY(!FSO::folderCheck(QStringLiteral("blocker\\sub")));
}

void TestFileSystem::deleteFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/Temp/a.dat"), "x");
    QVERIFY(FSO::deleteFile(QStringLiteral("SysData\\Temp\\a.dat")));
    QVERIFY(!app.exists(QStringLiteral("SysData/Temp/a.dat")));
    QVERIFY(FSO::deleteFile(QStringLiteral("SysData\\Temp\\a.dat")));   // nothing left to remove
    QVERIFY(!FSO::deleteFile(QStringLiteral("SysData\\Temp")));          // a folder is no file
    QVERIFY(app.exists(QStringLiteral("SysData/Temp")));
}

void TestFileSystem::loadCutsAtNul()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/a.txt"), TestFiles::sjis(QStringLiteral("日本\r\n語")) + QByteArray("\0rest", 5));
    RecordingUi ui;
    QString text;
    QVERIFY(TextFile().loadFromFile(QStringLiteral("SysData\\a.txt"), text));
    QCOMPARE(text, QStringLiteral("日本\r\n語"));
    QVERIFY(ui.boxes().isEmpty());
}

void TestFileSystem::loadMissingFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    RecordingUi ui;
    TextFile stream;
    QString text = QStringLiteral("kept");
    QVERIFY(!stream.loadFromFile(QStringLiteral("SysData\\none.csv"), text));
    QCOMPARE(text, QStringLiteral("kept"));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsFileStream / LoadFromFile"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("ファイルが存在しません。\r\n") + app.path() + QStringLiteral("\\SysData\\none.csv"));

    stream.setErrMessage(false);
    QVERIFY(!stream.loadFromFile(QStringLiteral("SysData\\none.csv"), text));
    QCOMPARE(ui.boxes().size(), 1);
}

void TestFileSystem::loadUnreadableFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const QString target = app.filePath(QStringLiteral("SysData/locked.txt"));
    // A file whose read fails: without rights to read it, or (as root, who may
    // read anything) one whose contents cannot be read at all.
    if (TestFiles::ignoresFilePermissions()) {
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), target));
    } else {
        app.writeFile(QStringLiteral("SysData/locked.txt"), "x");
        QFile::setPermissions(target, QFile::WriteOwner);
    }
    RecordingUi ui;
    QString text;
    QVERIFY(!TextFile().loadFromFile(QStringLiteral("SysData\\locked.txt"), text));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsFileStream / LoadFromFile"));
    QVERIFY(ui.boxes()[0].text.endsWith(QStringLiteral(" )")));
}

void TestFileSystem::saveCreatesFoldersAndReplaces()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    RecordingUi ui;
    TextFile stream;
    QVERIFY(stream.saveToFile(QStringLiteral("UserData\\QUDO\\list.csv"), QStringLiteral("第1回\r\n")));
    QCOMPARE(app.readFile(QStringLiteral("UserData/QUDO/list.csv")), TestFiles::sjis(QStringLiteral("第1回\r\n")));
    QVERIFY(stream.saveToFile(QStringLiteral("UserData\\QUDO\\list.csv"), QStringLiteral("x")));
    QCOMPARE(app.readFile(QStringLiteral("UserData/QUDO/list.csv")), QByteArray("x"));
    QCOMPARE(QDir(app.filePath(QStringLiteral("UserData/QUDO"))).entryList(QDir::Files), QStringList{"list.csv"});
    QVERIFY(ui.boxes().isEmpty());
}

void TestFileSystem::saveIntoFileInsteadOfFolder()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    app.writeFile(QStringLiteral("UserData"), "not a folder");
    RecordingUi ui;
    QVERIFY(!TextFile().saveToFile(QStringLiteral("UserData\\QUDO\\list.csv"), QStringLiteral("x")));
    QCOMPARE(app.readFile(QStringLiteral("UserData")), QByteArray("not a folder"));
    QVERIFY(ui.boxes().isEmpty());   // a folder that cannot be made fails silently
}

void TestFileSystem::saveFailingPartWayKeepsOldFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/big.csv"), "old contents\r\n");

    // Every file this process writes may grow to 4 KB only, as on a full disk.
    RecordingUi ui;
    bool saved = true;
    QVERIFY(TestFiles::runWithFileSizeLimit(4096, [&] {
        saved = TextFile().saveToFile(QStringLiteral("SysData\\big.csv"), QString(100000, u'1'));
    }));

    QVERIFY(!saved);
    QCOMPARE(app.readFile(QStringLiteral("SysData/big.csv")), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(app.filePath(QStringLiteral("SysData"))).entryList(QDir::Files), QStringList{"big.csv"});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsFileStream / SaveToFile"));
}

// A file smaller than any write buffer fails at its one write, not at commit.
void TestFileSystem::smallSaveFailingPartWayKeepsOldFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/TeamName3.dat"), "old contents\r\n");
    RecordingUi ui;
    bool saved = true;
    QVERIFY(TestFiles::runWithFileSizeLimit(1024, [&] {
        saved = TextFile().saveToFile(QStringLiteral("SysData\\TeamName3.dat"), QString(7000, u'1'));
    }));
    QVERIFY(!saved);
    QCOMPARE(app.readFile(QStringLiteral("SysData/TeamName3.dat")), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(app.filePath(QStringLiteral("SysData"))).entryList(QDir::Files), QStringList{"TeamName3.dat"});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsFileStream / SaveToFile"));
}

// A file the user made readable to others alone stays so after the program saved it.
void TestFileSystem::saveKeepsPermissions()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    RecordingUi ui;
    app.writeFile(QStringLiteral("SysData/QUDO.ini"), "old");
    const QString path = app.filePath(QStringLiteral("SysData/QUDO.ini"));
    const QFile::Permissions shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, shared));
    QVERIFY(TextFile().saveToFile(QStringLiteral("SysData\\QUDO.ini"), QStringLiteral("new")));
    QCOMPARE(app.readFile(QStringLiteral("SysData/QUDO.ini")), QByteArray("new"));
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), shared);
}

// A file reached through a symbolic link is replaced where it lies; the link stays.
void TestFileSystem::saveThroughLinkReplacesItsTarget()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    RecordingUi ui;
    app.writeFile(QStringLiteral("elsewhere/list.csv"), "old");
    QVERIFY(QFile::link(app.filePath(QStringLiteral("elsewhere/list.csv")), app.filePath(QStringLiteral("SysData/list.csv"))));
    QVERIFY(TextFile().saveToFile(QStringLiteral("SysData\\list.csv"), QStringLiteral("new")));
    QVERIFY(QFileInfo(app.filePath(QStringLiteral("SysData/list.csv"))).isSymLink());
    QCOMPARE(app.readFile(QStringLiteral("elsewhere/list.csv")), QByteArray("new"));
    QCOMPARE(QDir(app.filePath(QStringLiteral("elsewhere"))).entryList(QDir::Files | QDir::Hidden), QStringList{"list.csv"});
}

// A save killed between naming its new file and renaming it over the old one
// leaves the complete new file under a hidden name: the next save of that
// file takes its place.
void TestFileSystem::saveRemovesCopyOfKilledSave()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    RecordingUi ui;
    app.writeFile(QStringLiteral("SysData/bigSettings.ini"), "old");
    const QString hidden = AtomicFileWriter::temporaryPath(app.filePath(QStringLiteral("SysData/bigSettings.ini")));
    QCOMPARE(QFileInfo(hidden).fileName(), QStringLiteral(".bigSettings.ini.qudo-save"));
    app.writeFile(QStringLiteral("SysData/.bigSettings.ini.qudo-save"), "left by a killed save");
    QVERIFY(TextFile().saveToFile(QStringLiteral("SysData\\bigSettings.ini"), QStringLiteral("new")));
    QCOMPARE(app.readFile(QStringLiteral("SysData/bigSettings.ini")), QByteArray("new"));
    QCOMPARE(QDir(app.filePath(QStringLiteral("SysData"))).entryList(QDir::Files | QDir::Hidden), QStringList{"bigSettings.ini"});
}

void TestFileSystem::moveFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/a.xml"), "first");
    QVERIFY(FSO::moveFile(QStringLiteral("SysData\\a.xml"), QStringLiteral("SysData\\a.xml.broken")));
    QVERIFY(!app.exists(QStringLiteral("SysData/a.xml")));
    QCOMPARE(app.readFile(QStringLiteral("SysData/a.xml.broken")), QByteArray("first"));

    // A second one replaces the first.
    app.writeFile(QStringLiteral("SysData/a.xml"), "second");
    QVERIFY(FSO::moveFile(QStringLiteral("SysData\\a.xml"), QStringLiteral("SysData\\a.xml.broken")));
    QCOMPARE(app.readFile(QStringLiteral("SysData/a.xml.broken")), QByteArray("second"));

    // Nothing to move, or a folder in the way: nothing changes.
    QVERIFY(!FSO::moveFile(QStringLiteral("SysData\\a.xml"), QStringLiteral("SysData\\b.xml")));
    QVERIFY(!app.exists(QStringLiteral("SysData/b.xml")));
    app.writeFile(QStringLiteral("SysData/c.xml"), "third");
    QDir(app.path()).mkpath(QStringLiteral("SysData/folder"));
    QVERIFY(!FSO::moveFile(QStringLiteral("SysData\\c.xml"), QStringLiteral("SysData\\folder")));
    QCOMPARE(app.readFile(QStringLiteral("SysData/c.xml")), QByteArray("third"));
}

QTEST_GUILESS_MAIN(TestFileSystem)
#include "TestFileSystem.moc"
