#include "gui/frmMain.h"

#include "gui/ClientPanel.h"
#include "gui/CheckPage.h"
#include "gui/HomePage.h"
#include "gui/SinglesPage.h"
#include "gui/IconStrip.h"
#include "gui/JapaneseFont.h"
#include "gui/MainMenus.h"
#include "gui/MenuCommands.h"
#include "gui/PageIcons.h"
#include "gui/RoundBox.h"
#include "gui/frmAbout.h"
#include "gui/frmHistory.h"
#include "gui/frmNumbers.h"
#include "support/AppInfo.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

void paint(QWidget *widget, const QColor &color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(PageIcons::application());
    setFont(JapaneseFont::make(9));
    m_menus = new MainMenus(menuBar(), this);

    m_document.Load();
    m_client = new ClientPanel;
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scrMain"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_client);
    setCentralWidget(scroller);
    createPages();
    bindMenus();
    applyColours();
    sizeAndCentre();

    SelectPage(MainDocument::HomePage);
    setWindowTitle(m_document.Title());
    m_document.ShowSavedRound();
    m_homePage->roundBox()->selectNumber();
    m_homePage->roundBox()->txtScheduleNo()->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::createPages()
{
    m_homePage = new HomePage(m_document, m_client->pages());
    m_client->pages()->addWidget(m_homePage);
    connect(m_client->iconStrip(), &IconStrip::pageClicked, this, &frmMain::SelectPage);
    connect(&m_document, &MainDocument::PageNeeded, this, &frmMain::buildPage);
    connect(&m_document, &MainDocument::PageChange, this, &frmMain::showPage);
    connect(&m_document, &MainDocument::RoundChange, this, &frmMain::onRoundChange);
    connect(&m_document, &MainDocument::TitleChange, this, &QWidget::setWindowTitle);
}

// The singles and check pages hold most of the window's controls: they are
// made when first shown, so that the window opens sooner.
void frmMain::buildPage(int page)
{
    QWidget *built = nullptr;
    if (page == MainDocument::SinglesPage && !m_singlesPage) {
        built = m_singlesPage = new SinglesPage(m_document, m_client->pages());
        connect(m_singlesPage->sortButton(), &QPushButton::clicked, m_commands, &MenuCommands::popUpSortMenu);
    } else if (page == MainDocument::CheckPage && !m_checkPage) {
        built = m_checkPage = new CheckPage(m_document, m_client->pages());
        connect(m_checkPage->gradeSortButton(), &QPushButton::clicked, this,
                [this] { action(QStringLiteral("mnuEdit_Sort_Result"))->trigger(); });
    }
    if (!built)
        return;
    paint(built, palette().color(QPalette::Button));
    m_client->pages()->addWidget(built);
}

QWidget *frmMain::pageWidget(int page) const
{
    switch (page) {
    case MainDocument::SinglesPage: return m_singlesPage;
    case MainDocument::CheckPage: return m_checkPage;
    default: return m_homePage;
    }
}

void frmMain::bindMenus()
{
    connect(action(QStringLiteral("mnuFile_End")), &QAction::triggered, this, &QWidget::close);
    for (int page = 0; page < 3; ++page)
        connect(action(QStringLiteral("mnuView_Menu_%1").arg(page)), &QAction::triggered, this,
                [this, page] { SelectPage(page); });
    connect(action(QStringLiteral("mnuHelp_Version")), &QAction::triggered, this,
            [this] { frmAbout::ShowForm(this, AppInfo::GetVersionString()); });
    m_commands = new MenuCommands(m_document, *m_menus, this);
    connect(action(QStringLiteral("mnuTool_History")), &QAction::triggered, this, [this] {
        frmHistory::ShowForm(this, m_document, [this](const QString &path) {
            if (m_document.Busy())
                return;
            m_commands->commands().OpenPath(path);
            m_document.ShowFullResult();
        });
    });
    bindSinglesCommands();
}

void frmMain::bindSinglesCommands()
{
    clsTSingle &singles = m_document.SinglesView();
    connect(action(QStringLiteral("mnuEdit_Select_0")), &QAction::triggered, &singles, [&singles] { singles.SetAllSelect(true); });
    connect(action(QStringLiteral("mnuEdit_Select_1")), &QAction::triggered, &singles, [&singles] { singles.SetAllSelect(false); });
    connect(action(QStringLiteral("mnuEdit_SingleAdd")), &QAction::triggered, &singles, &clsTSingle::Add);
    connect(action(QStringLiteral("mnuEdit_SingleAdd2")), &QAction::triggered, this, [this, &singles] {
        const QString marks = frmNumbers::ShowDialog(this);
        if (!marks.isEmpty())
            singles.AddEx(marks);
    });
    connect(action(QStringLiteral("mnuEdit_SingleDel")), &QAction::triggered, &singles, &clsTSingle::SelectDelete);
    connect(action(QStringLiteral("mnuView_SinglePercent")), &QAction::toggled, &m_document, &MainDocument::SetPercentView);
    connect(m_homePage->quorvelButton(), &QPushButton::clicked, this,
            [this] { m_commands->commands().UpdateTeamNames(m_document.State().DownloadMessage); });
}

QAction *frmMain::action(const QString &name) const
{
    return m_menus->action(name);
}

void frmMain::applyColours()
{
    paint(m_client, Qt::white);
    paint(m_client->iconStrip(), Qt::white);
    paint(m_homePage, Qt::white);
}

void frmMain::sizeAndCentre()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize panel = ClientPanel::layoutSize();
    const int menuHeight = menuBar()->sizeHint().height();
    const int width = screen && screen->size().width() < 1024 ? work.width() : panel.width();
    const int height = screen && screen->size().height() < 768 ? work.height() : panel.height() + menuHeight;
    resize(width, height);
    move(work.left() + (work.width() - width) / 2, work.top() + (work.height() - height) / 2);
}

void frmMain::SelectPage(int page)
{
    // A refused switch keeps the check mark the menu has just moved.
    if (!m_document.SelectPage(page))
        action(QStringLiteral("mnuView_Menu_%1").arg(m_document.CurrentPage()))->setChecked(true);
}

void frmMain::showPage(int page)
{
    action(QStringLiteral("mnuView_Menu_%1").arg(page))->setChecked(true);
    m_client->iconStrip()->setCurrent(page);
    if (page == MainDocument::HomePage)
        m_homePage->ShowSalesStatus();
    m_client->pages()->setCurrentWidget(pageWidget(page));
}

void frmMain::onRoundChange()
{
    m_client->statusText()->setText(m_document.StatusBarText());
    m_homePage->ShowSalesStatus();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_document.CanClose()) {
        event->ignore();
        return;
    }
    m_document.SaveAppState();
    event->accept();
}
