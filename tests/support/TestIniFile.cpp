#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "support/IniFile.h"

#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void entries_data();
    void entries();
    void lookupsIgnoreCaseFirstWins();
    void bareLineFeeds_data();
    void bareLineFeeds();
    void defaults();
    void notInitialized();

private:
    // Writes the lines (CR LF) as the file and binds a reader to it.
    bool load(const QString &text);

    std::unique_ptr<TestAppFolder> m_app;
    std::unique_ptr<RecordingUi> m_ui;
    IniFile m_ini;
};

void TestIniFile::init()
{
    m_app = std::make_unique<TestAppFolder>(TestAppFolder::SysData::Empty);
    m_ui = std::make_unique<RecordingUi>();
    m_ini = IniFile();
}

void TestIniFile::cleanup()
{
    m_ui.reset();
    m_app.reset();
}

bool TestIniFile::load(const QString &text)
{
    m_app->writeFile(QStringLiteral("SysData/test.ini"), TestFiles::sjis(text));
    return m_ini.initialize(QStringLiteral("SysData\\test.ini"));
}

void TestIniFile::entries_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");   // empty: no entry
    QTest::addColumn<QString>("value");
    QTest::newRow("tight") << "key=value" << "key" << "value";
    QTest::newRow("spaced") << "key = value" << "key" << "value";
    QTest::newRow("extra spaces") << "  key  =   value  " << "key" << "value";
    QTest::newRow("later equals") << "a = b = c" << "a" << "b = c";
    QTest::newRow("no value") << "key =" << "" << "";
    QTest::newRow("no name") << "= value" << "" << "";
    QTest::newRow("semicolon comment") << ";key = value" << "" << "";
    QTest::newRow("slash comment") << "//key = value" << "" << "";
    QTest::newRow("indented comment") << "   ;key = value" << "" << "";
    QTest::newRow("single slash") << "/ key = value" << "/ key" << "value";
    QTest::newRow("section") << "[Data]" << "" << "";
    QTest::newRow("japanese") << "鹿島 = 鹿島アントラーズ" << "鹿島" << "鹿島アントラーズ";
}

void TestIniFile::entries()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QVERIFY(load(QStringLiteral(";header\r\n") + line + QStringLiteral("\r\n")));
    QVERIFY(m_ini.enabled());
    if (name.isEmpty()) {
        QVERIFY(m_ini.entries().isEmpty());
    } else {
        QCOMPARE(m_ini.entries().size(), 1);
        QCOMPARE(m_ini.getItem(name, QString()), value);
        QCOMPARE(m_ini.getKey(value), name);
        QVERIFY(m_ini.itemExists(name));
        QVERIFY(m_ini.keyExists(value));
    }
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestIniFile::lookupsIgnoreCaseFirstWins()
{
    QVERIFY(load(TestFiles::crlfLines({"X = 1", "x = 2", "y = 1"})));
    QCOMPARE(m_ini.getItem(QStringLiteral("X"), 0), QStringLiteral("1"));
    QCOMPARE(m_ini.getItem(QStringLiteral("x"), 0), QStringLiteral("1"));
    QCOMPARE(m_ini.getKey(QStringLiteral("2")), QStringLiteral("x"));
    QCOMPARE(m_ini.getKey(QStringLiteral("1")), QStringLiteral("X"));
    QVERIFY(!m_ini.itemExists(QString()));
    QVERIFY(!m_ini.keyExists(QString()));
    QCOMPARE(m_ini.getKey(QString()), QString());
}

void TestIniFile::bareLineFeeds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entries");
    QTest::newRow("comment first") << ";head\nkey = value\nother = 2\n" << 0;
    QTest::newRow("slashes first") << "//head\nkey = value\n" << 0;
    QTest::newRow("entry first") << "key = value\nother = 2\n" << 1;
}

void TestIniFile::bareLineFeeds()
{
    QFETCH(QString, text);
    QFETCH(int, entries);
    QVERIFY(load(text));
    QCOMPARE(m_ini.entries().size(), entries);
    if (entries == 1)   // the value runs to the end of the file
        QCOMPARE(m_ini.getItem(QStringLiteral("key"), QString()), QStringLiteral("value\nother = 2\n"));
}

void TestIniFile::defaults()
{
    QVERIFY(load(TestFiles::crlfLines({"a = 1"})));
    QCOMPARE(m_ini.getItem(QStringLiteral("missing"), 0), QStringLiteral("0"));
    QCOMPARE(m_ini.getItem(QString(), 0), QStringLiteral("0"));
    QCOMPARE(m_ini.getItem(QStringLiteral("missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
}

void TestIniFile::notInitialized()
{
    QVERIFY(!m_ini.initialize(QStringLiteral("SysData\\missing.ini")));
    QVERIFY(!m_ini.enabled());
    QVERIFY(m_ui->boxes().isEmpty());   // a missing file is silent

    QCOMPARE(m_ini.getItem(QStringLiteral("a"), 5), QString());   // not the default
    QVERIFY(!m_ini.itemExists(QStringLiteral("a")));
    QVERIFY(!m_ini.keyExists(QStringLiteral("a")));
    QCOMPARE(m_ini.getKey(QStringLiteral("a")), QString());
    const QStringList procedures{"GetItem", "ItemExists", "KeyExists", "GetKey"};
    QCOMPARE(m_ui->boxes().size(), procedures.size());
    for (int i = 0; i < procedures.size(); ++i) {
        QCOMPARE(m_ui->boxes()[i].icon, Ui::Icon::Warning);
        QCOMPARE(m_ui->boxes()[i].title, QStringLiteral("QUDO / clsIniFile / ") + procedures[i]);
        QCOMPARE(m_ui->boxes()[i].text, QStringLiteral("Initialize Err"));
    }
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "TestIniFile.moc"
