#include "gui/QtFileDialogs.h"
#include "gui/QtTranslation.h"
#include "gui/QtUi.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

// Qt's own texts in Japanese: the standard buttons of the boxes, the text
// boxes' menu and the file dialogs, whose columns fit what they show. The
// program is run once as at 96 dpi and once scaled as at 144 dpi
// (QT_SCALE_FACTOR); the pictures land in <build>/bin/window-pictures.
class TestQtTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutTranslationsQtStaysEnglish();
    void installsJapanese();
    void boxButtons_data();
    void boxButtons();
    void textBoxMenu();
    void saveDialog();
    void saveDialogNamesTheFileItReplaces();

private:
    QtUi m_ui;
};

namespace {

// Runs action on the modal window once it is open. A failed check returns
// from action before it closes the window: the window closes all the same,
// so that the test fails at once instead of waiting on it for ever.
void whenModalOpens(const std::function<void(QWidget &)> &action)
{
    QTimer::singleShot(0, [action] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        const auto closeAnyway = qScopeGuard([modal] {
            if (!modal || !modal->isVisible())
                return;
            if (auto *dialog = qobject_cast<QDialog *>(modal.data()))
                dialog->reject();
            else
                modal->close();
        });
        action(*modal);
    });
}

// How long a check waits for the file dialog to fill: far more than any
// stall of a busy machine, and only spent when the check fails.
constexpr int fillTimeout = 30000;

QStringList buttonTexts(const QMessageBox &box)
{
    QStringList texts;
    for (const QAbstractButton *button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

int scaledDpi()
{
    return qRound(96 * qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
}

bool savePicture(QWidget &window, const QString &name)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/window-pictures");
    QDir().mkpath(folder);
    return window.grab().save(folder + QStringLiteral("/%1_%2dpi.png").arg(name).arg(scaledDpi()));
}

// The action texts of a menu without their key names.
QStringList actionTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    return texts;
}

// Columns of the detail view narrower than their header or their widest
// item, or reaching beyond the view's edge.
QStringList cutColumns(const QTreeView &details)
{
    QStringList cut;
    const QHeaderView *header = details.header();
    for (int column = 1; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int needed = std::max(header->sectionSizeHint(column),
                                    static_cast<const QAbstractItemView &>(details).sizeHintForColumn(column));
        if (header->sectionSize(column) < needed)
            cut << QStringLiteral("%1 (%2 < %3)").arg(column).arg(header->sectionSize(column)).arg(needed);
        else if (header->sectionViewportPosition(column) + needed > details.viewport()->width())
            cut << QStringLiteral("%1 (beyond the view)").arg(column);
    }
    return cut;
}

// A folder with a singles file of 14.5 KiB, as the user folder holds them.
void writeSinglesFile(const QDir &folder, const QString &name)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(14848, '1')) == 14848);
}

} // namespace

void TestQtTexts::withoutTranslationsQtStaysEnglish()
{
    QVERIFY(!QtTranslation::installJapanese({QStringLiteral("/nonexistent-folder")}));
    QMessageBox box(QMessageBox::Question, QStringLiteral("QUDO"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(buttonTexts(box), (QStringList{"&No", "&Yes"}));
}

void TestQtTexts::installsJapanese()
{
    QVERIFY2(QtTranslation::installJapanese(), qPrintable(QtTranslation::folders().join(u' ')));
}

void TestQtTexts::boxButtons_data()
{
    QTest::addColumn<Ui::Icon>("icon");
    QTest::addColumn<Ui::Buttons>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("question") << Ui::Icon::Question << Ui::Buttons::YesNo << QStringList{"いいえ(&N)", "はい(&Y)"};
    QTest::newRow("question with cancel") << Ui::Icon::Warning << Ui::Buttons::YesNoCancel
                                          << QStringList{"いいえ(&N)", "はい(&Y)", "キャンセル"};
    QTest::newRow("information") << Ui::Icon::Information << Ui::Buttons::Ok << QStringList{"OK"};
    QTest::newRow("error") << Ui::Icon::Error << Ui::Buttons::OkCancel << QStringList{"OK", "キャンセル"};
}

void TestQtTexts::boxButtons()
{
    QFETCH(Ui::Icon, icon);
    QFETCH(Ui::Buttons, buttons);
    QStringList texts;
    whenModalOpens([&texts](QWidget &modal) {
        auto *box = qobject_cast<QMessageBox *>(&modal);
        QVERIFY(box);
        texts = buttonTexts(*box);
        QVERIFY(savePicture(*box, QStringLiteral("qt_box_%1").arg(QTest::currentDataTag()).replace(u' ', u'_')));
        box->buttons().constFirst()->click();
    });
    m_ui.showMessage(icon, QStringLiteral("QUDO"), QStringLiteral("最新のデータをダウンロードしますか？"), buttons);
    QTEST(texts, "texts");
}

void TestQtTexts::textBoxMenu()
{
    QLineEdit box(QStringLiteral("1478"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QCOMPARE(actionTexts(*menu), (QStringList{"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)",
                                              "貼り付け(&P)", "削除", "すべてを選択"}));
    menu->popup(box.mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    QVERIFY(savePicture(*menu, QStringLiteral("qt_textboxmenu")));
}

void TestQtTexts::saveDialog()
{
    QTemporaryDir folder;
    writeSinglesFile(QDir(folder.path()), QStringLiteral("A-1478.csv"));
    QStringList labels, buttons, cut;
    whenModalOpens([&](QWidget &modal) {
        auto *dialog = qobject_cast<QFileDialog *>(&modal);
        QVERIFY(dialog);
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        QVERIFY(details);
        QTRY_COMPARE_WITH_TIMEOUT(details->model()->rowCount(details->rootIndex()), 1, fillTimeout);
        QApplication::processEvents();
        for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            labels << dialog->findChild<QLabel *>(QString::fromLatin1(name))->text();
        for (const QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
            buttons << button->text();
        cut = cutColumns(*details);
        QVERIFY(savePicture(*dialog, QStringLiteral("qt_savedialog")));
        dialog->reject();
    });
    QtFileDialogs dialogs(nullptr);
    QCOMPARE(dialogs.saveFileName(QStringLiteral("名前を付けて保存"), QStringLiteral("CSVファイル(*.csv)"), folder.path(),
                                  QStringLiteral("A-1479.csv")),
             QString());
        QCOMPARE(labels, (QStringList{"アドレス:", "ファイル名(&N):", "ファイルの種類:"}));
    QCOMPARE(buttons, (QStringList{"保存(&S)", "キャンセル"}));
    QCOMPARE(cut.join(u' '), QString());
}

// A name typed without ".csv" is asked about as the file it replaces.
void TestQtTexts::saveDialogNamesTheFileItReplaces()
{
    QTemporaryDir folder;
    writeSinglesFile(QDir(folder.path()), QStringLiteral("A-1478.csv"));
    QString question;
    whenModalOpens([&question](QWidget &modal) {
        auto *dialog = qobject_cast<QFileDialog *>(&modal);
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // The name box has the focus, as when the user types into it.
        const auto typeAndSave = [dialog, name](const QString &typed) {
            QApplication::setActiveWindow(dialog);
            name->setFocus();
            QVERIFY(name->hasFocus());
            name->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        };
        whenModalOpens([&question](QWidget &box) {
            auto *replace = qobject_cast<QMessageBox *>(&box);
            QVERIFY(replace);
            question = replace->text();
            replace->button(QMessageBox::No)->click();
        });
        typeAndSave(QStringLiteral("A-1478"));
        QVERIFY(dialog->isVisible());
        typeAndSave(QStringLiteral("B-1478"));
    });
    QtFileDialogs dialogs(nullptr);
    const QString chosen = dialogs.saveFileName(QStringLiteral("名前を付けて保存"), QStringLiteral("CSVファイル(*.csv)"),
                                                folder.path(), QStringLiteral("A-1479.csv"));
    QVERIFY2(question.startsWith(QStringLiteral("A-1478.csv ")), qPrintable(question));
    QCOMPARE(chosen, QDir(folder.path()).filePath(QStringLiteral("B-1478.csv")));
}

QTEST_MAIN(TestQtTexts)
#include "TestQtTexts.moc"
