#include "common/TestAppFolder.h"
#include "gui/QtUi.h"
#include "support/ProgressScope.h"
#include "singles/SinglesCsvFile.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace {

QWidget *progressWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmWaitDialog"))
            return widget;
    return nullptr;
}

QString message(QWidget *window)
{
    const auto *label = window->findChild<QLabel *>(QStringLiteral("lblMsg"));
    return label ? label->text() : QString();
}

QProgressBar *bar(QWidget *window)
{
    return window->findChild<QProgressBar *>(QStringLiteral("barProgress"));
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showsMessageAndBar();
    void emptyRangeFillsNothing();
    void csvLoadShowsAndCloses();
    void onlyVisibleChangesRepaint();
    void stopButtonOnlyForWorkThatCanStop();

private:
    QtUi *m_ui = nullptr;
    QWidget *m_main = nullptr;
};

void TestProgressWindow::init()
{
    m_main = new QWidget;
    m_main->show();
    m_ui = new QtUi;
    m_ui->setMainWindow(m_main);
    Ui::install(m_ui);
}

void TestProgressWindow::cleanup()
{
    Ui::install(nullptr);
    delete m_ui;
    delete m_main;
}

void TestProgressWindow::showsMessageAndBar()
{
    {
        ProgressScope progress(QStringLiteral("CSVデータ数の取得中"), 1);
        QWidget *window = progressWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral(" 処理中 . . ."));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window->parentWidget(), m_main);
        QVERIFY(window->findChildren<QLabel *>().size() == 2);
        QCOMPARE(message(window), QStringLiteral("CSVデータ数の取得中"));

        progress.setMax(4000);
        progress.setMessage(QStringLiteral("CSVファイルの読込中"));
        progress.setValue(1001);
        QCOMPARE(message(window), QStringLiteral("CSVファイルの読込中"));
        QCOMPARE(bar(window)->maximum(), 4000);
        QCOMPARE(bar(window)->value(), 1001);
    }
    QVERIFY(!progressWindow()->isVisible());
}

void TestProgressWindow::stopButtonOnlyForWorkThatCanStop()
{
    {
        ProgressScope progress(QStringLiteral("くじ結果のダウンロード中"), 3);
        auto *stop = progressWindow()->findChild<QPushButton *>(QStringLiteral("cmdStop"));
        QVERIFY(stop && !stop->isVisible());
        progress.allowStop();
        QVERIFY(stop->isVisible());
        QCOMPARE(stop->text(), QStringLiteral("中止"));
        QVERIFY(!progress.stopRequested());
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(progress.stopRequested());
        QVERIFY(!stop->isEnabled());
    }
    // The next work starts without the button and without the press.
    ProgressScope next(QStringLiteral("CSVファイルの読込中"), 1);
    QVERIFY(!next.stopRequested());
    QVERIFY(!progressWindow()->findChild<QPushButton *>(QStringLiteral("cmdStop"))->isVisible());
}

void TestProgressWindow::emptyRangeFillsNothing()
{
    ProgressScope progress(QStringLiteral("CSVファイルに保存中"), -1);
    progress.setValue(-1);
    QCOMPARE(bar(progressWindow())->maximum(), 1);
    QCOMPARE(bar(progressWindow())->value(), 0);
}

void TestProgressWindow::csvLoadShowsAndCloses()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    SinglesCsvFile csv;
    const std::vector<qint32> singles(3000, 19);
    QVERIFY(csv.csvSave(QStringLiteral("UserData\\list.csv"), singles));
    qint32 count = 0;
    std::vector<qint32> loaded;
    QVERIFY(csv.csvLoad(QStringLiteral("UserData\\list.csv"), count, loaded));
    QCOMPARE(count, 3000);
    QVERIFY(loaded == singles);
    QVERIFY(!progressWindow()->isVisible());
    QCOMPARE(message(progressWindow()), QStringLiteral("CSVファイルの読込中"));
    QCOMPARE(bar(progressWindow())->value(), 3000);
}

// The whole space in steps of 1,001: the bar is drawn again only when its
// fill moves, far fewer times than there are steps, and at the end it is full.
// A message set again unchanged is not drawn again.
void TestProgressWindow::onlyVisibleChangesRepaint()
{
    constexpr qint32 max = 4782968;
    ProgressScope progress(QStringLiteral("シングル構成の解析中"), max);
    QWidget *window = progressWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    PaintCounter barPaints(bar(window));
    qint32 steps = 0;
    for (qint32 value = 1000; value < max; value += 1001, ++steps)
        progress.setValue(value);
    progress.setValue(max);
    QCOMPARE(bar(window)->value(), max);
    QVERIFY2(barPaints.paints > 10, qPrintable(QString::number(barPaints.paints)));
    QVERIFY2(barPaints.paints <= bar(window)->width() + 1, qPrintable(QString::number(barPaints.paints)));
    QVERIFY(barPaints.paints < steps / 4);

    auto *label = window->findChild<QLabel *>(QStringLiteral("lblMsg"));
    PaintCounter labelPaints(label);
    progress.setMessage(QStringLiteral("シングル構成の解析中"));
    QCOMPARE(labelPaints.paints, 0);
    progress.setMessage(QStringLiteral("CSVファイルの読込中"));
    QCOMPARE(labelPaints.paints, 1);
}

QTEST_MAIN(TestProgressWindow)
#include "TestProgressWindow.moc"
