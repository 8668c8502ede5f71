#include "common/RecordingUi.h"
#include "gui/QtClipboard.h"
#include "singles/ClipboardImport.h"
#include "singles/ClipboardExport.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>

#include <vector>

// The singles go through the window system's clipboard and come back.
class TestQtClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyAndPasteThroughTheSystem();
    void pictureOnClipboardImportsNothing();
    void linesCopiedHereEndInLineFeedAlone();
};

void TestQtClipboard::copyAndPasteThroughTheSystem()
{
    RecordingUi ui;
    QtClipboard clipboard;
    const std::vector<qint32> singles{2911267, 0, 19};
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, singles);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("1:10211102201121\r\n2:00000000000000\r\n3:10200000000000\r\n"));
    qint32 count = 0;
    std::vector<qint32> imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, count, imported);
    QCOMPARE(count, 3);
    QVERIFY(imported == singles);
}

void TestQtClipboard::pictureOnClipboardImportsNothing()
{
    RecordingUi ui;
    QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    QtClipboard clipboard;
    qint32 count = -1;
    std::vector<qint32> imported{5};
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, count, imported);
    QCOMPARE(count, 0);
    QVERIFY(imported.empty());
    QVERIFY(ui.boxes().isEmpty());
}

// Programs on this platform copy text with LF line ends; each line still
// counts as a line of its own.
void TestQtClipboard::linesCopiedHereEndInLineFeedAlone()
{
    RecordingUi ui;
    QApplication::clipboard()->setText(QStringLiteral("10211102201121\n00000000000000\r\n10200000000000"));
    QtClipboard clipboard;
    QCOMPARE(clipboard.text(), QStringLiteral("10211102201121\r\n00000000000000\r\n10200000000000"));
    qint32 count = 0;
    std::vector<qint32> imported;
    ClipboardImport(clipboard).clipImport(ClipboardImport::FormatLines, count, imported);
    QCOMPARE(count, 3);
    QVERIFY(imported == (std::vector<qint32>{2911267, 0, 19}));
}

QTEST_MAIN(TestQtClipboard)
#include "TestQtClipboard.moc"
