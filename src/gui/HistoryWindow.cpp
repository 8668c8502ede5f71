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

HistoryWindow::HistoryWindow(MainDocument &document, FileDialogs *dialogs, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_ownDialogs(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this))
    , m_commands(document, dialogs ? *dialogs : *m_ownDialogs, this)
    , m_folderLabel(new QLabel(this))
    , m_scroller(new QScrollArea(this))
    , m_table(new GridView)
    , m_chart(new HistoryChartView(this))
    , m_actRefresh(new QAction(this))
    , m_headings(new QLabel(m_scroller->viewport()))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("収支履歴"));
    setFont(JapaneseFont::make(9));
    m_folderLabel->setObjectName(QStringLiteral("lblFolder"));
    m_table->setObjectName(QStringLiteral("picHistory"));
    m_chart->setObjectName(QStringLiteral("picChart"));
    m_scroller->setObjectName(QStringLiteral("scrHistory"));
    m_scroller->setWidget(m_table);
    m_scroller->setBackgroundRole(QPalette::Base);
    m_scroller->setFocusPolicy(Qt::StrongFocus);
    m_commands.table().initialize(m_table);
    m_table->attachGrid(&m_commands.table().grid());
    m_commands.chart().initialize(m_chart);
    m_chart->attachChart(&m_commands.chart());
    m_chart->setMinimumHeight(PageParts::scaledY(200));

    auto *note = new QLabel(
        QStringLiteral("この表はBIGのシングル（1口%1円）の収支です。当せん金額はくじ結果のBIGの当せん金によります。")
            .arg(LotteryRules::SinglePrice),
        this);
    note->setObjectName(QStringLiteral("lblNote"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_folderLabel);
    layout->addWidget(m_scroller, 3);
    layout->addWidget(note);
    layout->addWidget(m_chart, 2);
    layout->addWidget(createButtons());

    m_actRefresh->setObjectName(QStringLiteral("actRefresh"));
    m_actRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(m_actRefresh);
    connect(m_actRefresh, &QAction::triggered, &m_commands, &HistoryCommands::refresh);
    connect(&m_commands, &HistoryCommands::Changed, this, &HistoryWindow::showFolders);
    connect(&m_commands, &HistoryCommands::Changed, this, &HistoryWindow::showHeadings);
    connect(m_scroller->horizontalScrollBar(), &QScrollBar::valueChanged, this, &HistoryWindow::showHeadings);
    m_headings->setObjectName(QStringLiteral("picHeadings"));
    m_scroller->viewport()->installEventFilter(this);
    connect(&m_commands, &HistoryCommands::busyChanged, this, &HistoryWindow::onBusy);
    connect(m_table, &GridView::cellDoubleClicked, this, [this](int, int row) {
        if (const QString path = m_commands.fileAtGridRow(row); !path.isEmpty() && !m_commands.busy())
            Q_EMIT OpenFileRequested(path);
    });
    resize(PageParts::scaledX(1000), PageParts::scaledY(700));
}

HistoryWindow::~HistoryWindow()
{
    m_commands.table().grid().detachSurface();
    m_commands.chart().detachSurface();
}

QWidget *HistoryWindow::createButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_folderButton = PageParts::button(QStringLiteral("フォルダを選択..."), QStringLiteral("cmdFolder"), row);
    m_downloadButton = PageParts::button(QStringLiteral("結果を一括ダウンロード"), QStringLiteral("cmdDownload"), row);
    m_saveButton = PageParts::button(QStringLiteral("CSVに保存..."), QStringLiteral("cmdSave"), row);
    layout->addWidget(m_folderButton);
    layout->addStretch();
    layout->addWidget(m_downloadButton);
    layout->addWidget(m_saveButton);
    connect(m_folderButton, &QPushButton::clicked, &m_commands, &HistoryCommands::chooseFolder);
    connect(m_downloadButton, &QPushButton::clicked, &m_commands, &HistoryCommands::downloadResults);
    connect(m_saveButton, &QPushButton::clicked, &m_commands, &HistoryCommands::saveCsv);
    setTabOrder(m_scroller, m_folderButton);
    setTabOrder(m_folderButton, m_downloadButton);
    setTabOrder(m_downloadButton, m_saveButton);
    return row;
}

void HistoryWindow::showFolders()
{
    m_folderLabel->setText(QStringLiteral("対象フォルダ：") + m_commands.foldersText());
}

void HistoryWindow::showHeadings()
{
    const CellGrid &grid = m_commands.table().grid();
    const QImage &canvas = m_table->canvas();
    const qreal ratio = canvas.devicePixelRatio();
    const QRect shown(m_scroller->horizontalScrollBar()->value(), 0, m_scroller->viewport()->width(),
                      grid.rows() > 0 ? grid.rowTop(2) + 1 : 0);
    QImage headings = canvas.copy(QRect(shown.topLeft() * ratio, shown.size() * ratio));
    headings.setDevicePixelRatio(ratio);
    m_headings->setPixmap(QPixmap::fromImage(headings));
    m_headings->setGeometry(QRect(QPoint(0, 0), shown.size()));
    m_headings->raise();
}

bool HistoryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroller->viewport() && event->type() == QEvent::Resize)
        showHeadings();
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::onBusy(bool busy)
{
    for (QPushButton *button : {m_folderButton, m_downloadButton, m_saveButton})
        button->setEnabled(!busy);
    m_actRefresh->setEnabled(!busy);
}

HistoryWindow *HistoryWindow::showForm(QWidget *owner, MainDocument &document,
                                 const std::function<void(const QString &path)> &openFile)
{
    auto *window = owner->findChild<HistoryWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HistoryWindow(document, nullptr, owner);
        connect(window, &HistoryWindow::OpenFileRequested, owner, openFile);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->m_commands.refresh();
    return window;
}
