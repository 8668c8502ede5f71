#include "gui/QtUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The Qt boxes of the Ui port: which button Enter presses.
class TestQtUi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void enterAnswersThePreselectedButton_data();
    void enterAnswersThePreselectedButton();

private:
    QtUi m_ui;
};

void TestQtUi::initTestCase()
{
    Ui::install(&m_ui);
}

void TestQtUi::cleanupTestCase()
{
    Ui::install(nullptr);
}

void TestQtUi::enterAnswersThePreselectedButton_data()
{
    QTest::addColumn<bool>("askForNo");
    QTest::addColumn<bool>("answeredYes");
    QTest::newRow("Yes preselected") << false << true;
    QTest::newRow("No preselected") << true << false;
}

void TestQtUi::enterAnswersThePreselectedButton()
{
    QFETCH(bool, askForNo);
    QString defaultButton;
    QTimer::singleShot(0, this, [&defaultButton] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    const bool yes = Ui::instance().askYesNo(QStringLiteral("選択シングルを削除"),
                                            QStringLiteral("選択シングルを削除します。よろしいですか？"),
                                            Ui::Icon::Question, askForNo ? Ui::Answer::No : Ui::Answer::Yes);
    QTEST(yes, "answeredYes");
    QVERIFY(!defaultButton.isEmpty());
}

QTEST_MAIN(TestQtUi)
#include "TestQtUi.moc"
