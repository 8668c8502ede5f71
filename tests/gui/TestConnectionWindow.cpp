#include "acquisition/LoggedDownload.h"
#include "gui/ConnectionWindow.h"
#include "gui/QtUi.h"
#include "common/LoopbackHttpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

ConnectionWindow *logWindow()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *window = qobject_cast<ConnectionWindow *>(widget))
            return window;
    }
    return nullptr;
}

QStringList listLines(ConnectionWindow *window)
{
    QStringList lines;
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("lstMsg"));
    for (int row = 0; list && row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

} // namespace

class TestConnectionWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void logWindowShowsTheTransfers();
    void oneWindowForAllClients();
    void staysOnTopOverATopmostOwner();
    void stopButtonEndsTheTransfer();

private:
    QtUi m_ui;
    LoopbackHttpServer m_server;
};

void TestConnectionWindow::initTestCase()
{
    Ui::install(&m_ui);
    QVERIFY(m_server.listen());
    m_server.setResponse(QStringLiteral("/a"), QByteArray(3000, 'a'));
    m_server.setResponse(QStringLiteral("/b"), QByteArray());
    m_server.setResponse(QStringLiteral("/endless"), LoopbackHttpServer::trickle());
}

void TestConnectionWindow::cleanupTestCase()
{
    Ui::install(nullptr);
}

void TestConnectionWindow::logWindowShowsTheTransfers()
{
    QWidget owner;
    owner.show();
    m_ui.setMainWindow(&owner);
    LoggedDownload inet;
    inet.setProgressClose(false);
    inet.setProgressDialogMessage(QStringLiteral("第1478回 開催情報取得中 (オフィシャル)"));
    QByteArray data;
    QCOMPARE(inet.getHttpData(m_server.url(QStringLiteral("/a")), data, QString()), 3000);

    ConnectionWindow *window = logWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->parentWidget(), &owner);
    QCOMPARE(window->windowTitle(), QStringLiteral(" インターネット接続"));
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("lstMsg"));
    QVERIFY(list);
    QVERIFY(list->font().families().contains(QStringLiteral("ＭＳ ゴシック")));
    const QStringList first{QStringLiteral(" 第1478回 開催情報取得中 (オフィシャル)"), QStringLiteral(" [コネクション開始]"),
                            u' ' + m_server.url(QStringLiteral("/a")), QStringLiteral(" 受信中 ...."),
                            QStringLiteral(" [コネクション終了]")};
    QCOMPARE(listLines(window), first);
    QCOMPARE(list->currentRow(), list->count() - 1);

    // The next transfer adds to the same list.
    inet.setProgressDialogMessage(QString());
    inet.getHttpData(m_server.url(QStringLiteral("/b")), data, QString());
    QCOMPARE(logWindow(), window);
    QCOMPARE(listLines(window).size(), 9);
    QCOMPARE(listLines(window).at(7), QStringLiteral(" 受信中 ."));

    // Setting progressClose closes it at once, and its lines go with it.
    inet.setProgressClose(true);
    QVERIFY(!window->isVisible());
    QVERIFY(listLines(window).isEmpty());
}

void TestConnectionWindow::oneWindowForAllClients()
{
    LoggedDownload first;
    LoggedDownload second;
    first.setProgressClose(false);
    second.setProgressClose(false);
    QByteArray data;
    first.getHttpData(m_server.url(QStringLiteral("/b")), data, QString());
    ConnectionWindow *window = logWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->isWindow());
    second.getHttpData(m_server.url(QStringLiteral("/b")), data, QString());
    QCOMPARE(logWindow(), window);
    QCOMPARE(listLines(window).size(), 8);

    // With progressClose on, a transfer closes the window when it ends.
    second.setProgressClose(true);
    second.getHttpData(m_server.url(QStringLiteral("/b")), data, QString());
    QVERIFY(!window->isVisible());
}

void TestConnectionWindow::staysOnTopOverATopmostOwner()
{
    QWidget owner(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    owner.show();
    m_ui.setMainWindow(&owner);
    LoggedDownload inet;
    inet.setProgressClose(false);
    QByteArray data;
    inet.getHttpData(m_server.url(QStringLiteral("/b")), data, QString());
    ConnectionWindow *window = logWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    inet.setProgressClose(true);
}

void TestConnectionWindow::stopButtonEndsTheTransfer()
{
    // Another window of the program: its buttons wait while the transfer runs.
    QPushButton other(QStringLiteral("other"));
    other.show();
    int otherClicks = 0;
    connect(&other, &QPushButton::clicked, [&] { ++otherClicks; });
    bool stopWasEnabled = false;
    QTimer::singleShot(500, [&] {
        QTest::mouseClick(&other, Qt::LeftButton);
        auto *stop = logWindow()->findChild<QPushButton *>(QStringLiteral("cmdStop"));
        QCOMPARE(stop->text(), QStringLiteral("中止"));
        stopWasEnabled = stop->isEnabled();
        QTest::mouseClick(stop, Qt::LeftButton);
    });

    LoggedDownload inet;
    inet.setProgressClose(false);
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(inet.getHttpData(m_server.url(QStringLiteral("/endless")), data, QString()), 0);
    QVERIFY(clock.elapsed() < 30000);
    QVERIFY(data.isEmpty());
    QVERIFY(stopWasEnabled);
    QCOMPARE(otherClicks, 0);
    QVERIFY(listLines(logWindow()).contains(QStringLiteral(" 中止しました")));
    QVERIFY(!logWindow()->findChild<QPushButton *>(QStringLiteral("cmdStop"))->isEnabled());
    QTest::mouseClick(&other, Qt::LeftButton);
    QCOMPARE(otherClicks, 1);
    inet.setProgressClose(true);
}

QTEST_MAIN(TestConnectionWindow)
#include "TestConnectionWindow.moc"
