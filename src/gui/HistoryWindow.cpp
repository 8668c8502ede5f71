#include "gui/HistoryWindow.h"

#include "gui/GridView.h"
#include "gui/HistoryChartView.h"
#include "gui/JapaneseFont.h"
#include "gui/PageParts.h"
#include "gui/QtFileDialogs.h"
#include "cellgrid/CellGrid.h"
#include "lottery/LotteryRules.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QScrollArea>
#include <QVBoxLayout>

frmHistory::frmHistory(MainDocument &document, FileDialogs *dialogs, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this))
    , m_commands(document, dialogs ? *dialogs : *m_ownDialogs, this)
    , m_lblFolder(new QLabel(this))
    , m_scroller(new QScrollArea(this))
    , m_table(new GridView)
    , m_chart(new HistoryChartView(this))
    , m_actRefresh(new QAction(this))
    , m_headings(new QLabel(m_scroller->viewport()))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("収支履歴"));
    setFont(JapaneseFont::make(9));
    m_lblFolder->setObjectName(QStringLiteral("lblFolder"));
    m_table->setObjectName(QStringLiteral("picHistory"));
    m_chart->setObjectName(QStringLiteral("picChart"));
    m_scroller->setObjectName(QStringLiteral("scrHistory"));
    m_scroller->setWidget(m_table);
    m_scroller->setBackgroundRole(QPalette::Base);
    m_scroller->setFocusPolicy(Qt::StrongFocus);
    m_commands.Table().Initialize(m_table);
    m_table->attachGrid(&m_commands.Table().Grid());
    m_commands.Chart().Initialize(m_chart);
    m_chart->attachChart(&m_commands.Chart());
    m_chart->setMinimumHeight(PageParts::scaledY(200));

    auto *note = new QLabel(
        QStringLiteral("この表はBIGのシングル（1口%1円）の収支です。当せん金額はくじ結果のBIGの当せん金によります。")
            .arg(clsToto::SinglePrice),
        this);
    note->setObjectName(QStringLiteral("lblNote"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lblFolder);
    layout->addWidget(m_scroller, 3);
    layout->addWidget(note);
    layout->addWidget(m_chart, 2);
    layout->addWidget(createButtons());

    m_actRefresh->setObjectName(QStringLiteral("actRefresh"));
    m_actRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(m_actRefresh);
    connect(m_actRefresh, &QAction::triggered, &m_commands, &HistoryCommands::Refresh);
    connect(&m_commands, &HistoryCommands::Changed, this, &frmHistory::showFolders);
    connect(&m_commands, &HistoryCommands::Changed, this, &frmHistory::showHeadings);
    connect(m_scroller->horizontalScrollBar(), &QScrollBar::valueChanged, this, &frmHistory::showHeadings);
    m_headings->setObjectName(QStringLiteral("picHeadings"));
    m_scroller->viewport()->installEventFilter(this);
    connect(&m_commands, &HistoryCommands::BusyChanged, this, &frmHistory::onBusy);
    connect(m_table, &GridView::cellDoubleClicked, this, [this](int, int row) {
        if (const QString path = m_commands.FileAtGridRow(row); !path.isEmpty() && !m_commands.Busy())
            Q_EMIT OpenFileRequested(path);
    });
    resize(PageParts::scaledX(1000), PageParts::scaledY(700));
}

frmHistory::~frmHistory()
{
    m_commands.Table().Grid().DetachSurface();
    m_commands.Chart().DetachSurface();
}

QWidget *frmHistory::createButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cmdFolder = PageParts::button(QStringLiteral("フォルダを選択..."), QStringLiteral("cmdFolder"), row);
    m_cmdDownload = PageParts::button(QStringLiteral("結果を一括ダウンロード"), QStringLiteral("cmdDownload"), row);
    m_cmdSave = PageParts::button(QStringLiteral("CSVに保存..."), QStringLiteral("cmdSave"), row);
    layout->addWidget(m_cmdFolder);
    layout->addStretch();
    layout->addWidget(m_cmdDownload);
    layout->addWidget(m_cmdSave);
    connect(m_cmdFolder, &QPushButton::clicked, &m_commands, &HistoryCommands::ChooseFolder);
    connect(m_cmdDownload, &QPushButton::clicked, &m_commands, &HistoryCommands::DownloadResults);
    connect(m_cmdSave, &QPushButton::clicked, &m_commands, &HistoryCommands::SaveCsv);
    setTabOrder(m_scroller, m_cmdFolder);
    setTabOrder(m_cmdFolder, m_cmdDownload);
    setTabOrder(m_cmdDownload, m_cmdSave);
    return row;
}

void frmHistory::showFolders()
{
    m_lblFolder->setText(QStringLiteral("対象フォルダ：") + m_commands.FoldersText());
}

void frmHistory::showHeadings()
{
    const clsGrid &grid = m_commands.Table().Grid();
    const QImage &canvas = m_table->canvas();
    const qreal ratio = canvas.devicePixelRatio();
    const QRect shown(m_scroller->horizontalScrollBar()->value(), 0, m_scroller->viewport()->width(),
                      grid.Rows() > 0 ? grid.RowTop(2) + 1 : 0);
    QImage headings = canvas.copy(QRect(shown.topLeft() * ratio, shown.size() * ratio));
    headings.setDevicePixelRatio(ratio);
    m_headings->setPixmap(QPixmap::fromImage(headings));
    m_headings->setGeometry(QRect(QPoint(0, 0), shown.size()));
    m_headings->raise();
}

bool frmHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroller->viewport() && event->type() == QEvent::Resize)
        showHeadings();
    return QWidget::eventFilter(watched, event);
}

void frmHistory::onBusy(bool busy)
{
    for (QPushButton *button : {m_cmdFolder, m_cmdDownload, m_cmdSave})
        button->setEnabled(!busy);
    m_actRefresh->setEnabled(!busy);
}

frmHistory *frmHistory::ShowForm(QWidget *owner, MainDocument &document,
                                 const std::function<void(const QString &path)> &openFile)
{
    auto *window = owner->findChild<frmHistory *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new frmHistory(document, nullptr, owner);
        connect(window, &frmHistory::OpenFileRequested, owner, openFile);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->m_commands.Refresh();
    return window;
}
