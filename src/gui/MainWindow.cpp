#include "gui/MainWindow.h"

#include "acquisition/HttpTransfer.h"

#include "gui/ClientPanel.h"
#include "gui/CheckPage.h"
#include "gui/HomePage.h"
#include "gui/SinglesPage.h"
#include "gui/IconStrip.h"
#include "gui/JapaneseFont.h"
#include "gui/MainMenus.h"
#include "gui/MenuCommands.h"
#include "gui/PageIcons.h"
#include "gui/QtClipboard.h"
#include "gui/QtFileDialogs.h"
#include "gui/RoundBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

MainWindow::MainWindow(WindowPorts ports, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(PageIcons::application());
    setFont(JapaneseFont::make(9));
    m_menus = new MainMenus(menuBar(), this);
    if (!ports.fileDialogs)
        ports.fileDialogs = (m_ownDialogs = std::make_unique<QtFileDialogs>(this)).get();
    if (!ports.clipboard)
        ports.clipboard = (m_ownClipboard = std::make_unique<QtClipboard>()).get();
    m_commands = new MenuCommands(m_document, *m_menus, *ports.fileDialogs, *ports.clipboard, this);

    m_document.load();
    m_client = new ClientPanel;
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scrMain"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_client);
    setCentralWidget(scroller);
    createPages();
    applyColours();
    sizeAndCentre();

    selectPage(MainDocument::PageHome);
    setWindowTitle(m_document.title());
    m_document.showSavedRound();
    m_homePage->roundBox()->selectNumber();
    m_homePage->roundBox()->scheduleNumberEdit()->setFocus();
}

MainWindow::~MainWindow() = default;

const MainActions &MainWindow::actions() const
{
    return m_menus->actions();
}

void MainWindow::createPages()
{
    m_homePage = new HomePage(m_document, actions(), m_client->pages());
    m_client->pages()->addWidget(m_homePage);
    connect(m_client->iconStrip(), &IconStrip::pageClicked, this, &MainWindow::selectPage);
    connect(&m_document, &MainDocument::pageChange, this, &MainWindow::showPage);
    connect(&m_document, &MainDocument::roundChange, this, &MainWindow::onRoundChange);
    connect(&m_document, &MainDocument::titleChange, this, &QWidget::setWindowTitle);
}

// The singles and check pages hold most of the window's controls: they are
// made when first shown, so that the window opens sooner. Their controllers
// work from the start; a page attaches its views to them when it is made.
QWidget *MainWindow::page(int page)
{
    QWidget *built = nullptr;
    if (page == MainDocument::PageSingles && !m_singlesPage) {
        built = m_singlesPage = new SinglesPage(m_document, actions(), m_client->pages());
        connect(m_singlesPage, &SinglesPage::sortMenuRequested, m_commands, &MenuCommands::popUpSortMenu);
    } else if (page == MainDocument::PageCheck && !m_checkPage) {
        built = m_checkPage = new CheckPage(m_document, actions(), m_client->pages());
    }
    if (built) {
        paint(built, palette().color(QPalette::Button));
        m_client->pages()->addWidget(built);
    }
    switch (page) {
    case MainDocument::PageSingles: return m_singlesPage;
    case MainDocument::PageCheck: return m_checkPage;
    default: return m_homePage;
    }
}

QAction *MainWindow::action(const QString &name) const
{
    return m_menus->action(name);
}

void MainWindow::applyColours()
{
    paint(m_client, Qt::white);
    paint(m_client->iconStrip(), Qt::white);
    paint(m_homePage, Qt::white);
}

void MainWindow::sizeAndCentre()
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

void MainWindow::selectPage(int page)
{
    m_commands->selectPage(page);
}

void MainWindow::showPage(int page)
{
    actions().showPage[std::size_t(page)]->setChecked(true);
    m_client->iconStrip()->setCurrent(page);
    if (page == MainDocument::PageHome)
        m_homePage->showSalesStatus();
    m_client->pages()->setCurrentWidget(this->page(page));
}

void MainWindow::onRoundChange()
{
    m_client->statusText()->setText(m_document.statusBarText());
    m_homePage->showSalesStatus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (stopDownloadToClose()) {
        event->accept();
        return;
    }
    if (!m_document.canClose()) {
        event->ignore();
        return;
    }
    m_document.saveAppState();
    event->accept();
}

bool MainWindow::stopDownloadToClose()
{
    // A download never holds the program: it is stopped, and ending asks nothing.
    if (!HttpTransfer::isRunning())
        return false;
    HttpTransfer::stopForExit();
    m_document.saveAppState();
    return true;
}
