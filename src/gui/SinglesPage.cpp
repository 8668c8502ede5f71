#include "gui/SinglesPage.h"

#include "app/MainDocument.h"
#include "gui/GridView.h"
#include "gui/SingleSheetView.h"
#include "gui/MainMenus.h"
#include "gui/PageParts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>

using PageParts::arrow;
using PageParts::button;

namespace {

int scaled(double pixels)
{
    return PageParts::scaledX(pixels);
}

} // namespace

SinglesPage::SinglesPage(MainDocument &document, const MainActions &actions, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_games(new GridView(this))
    , m_sheet(new SingleSheetView(this))
    , m_counts(new GridView(this))
    , m_estimates(new GridView(this))
{
    setObjectName(QStringLiteral("picPage_1"));
    m_games->setObjectName(QStringLiteral("picGameS"));
    m_sheet->setObjectName(QStringLiteral("picSingle"));
    m_counts->setObjectName(QStringLiteral("picSingleCount"));
    m_estimates->setObjectName(QStringLiteral("picSingleList"));

    clsTSingle &singles = m_document.SinglesView();
    m_document.SingleGame().Attach(m_games);
    m_sheet->giveMarkPictures(singles.Sheet());
    singles.Attach(m_sheet, m_counts, m_estimates);

    m_controls = createControls(actions);
    m_comment = new QLabel(QStringLiteral("　推定金額とは、もしtotoであった場合の推定金額を計算しています。（投票率が存在しない試合は各1/3で計算)"),
                           this);
    m_comment->setObjectName(QStringLiteral("picComment"));
    m_comment->setFrameShape(QFrame::StyledPanel);
    m_comment->setAutoFillBackground(true);
    placeParts();
}

QWidget *SinglesPage::createControls(const MainActions &actions)
{
    auto *controls = new QWidget(this);
    controls->setObjectName(QStringLiteral("picSingleBase"));
    clsTSingle &singles = m_document.SinglesView();
    m_lblSingleCount = new QLabel(singles.CountText(), controls);
    m_lblSingleCount->setObjectName(QStringLiteral("lblSingleCount"));
    m_lblSinglePage = new QLabel(singles.PageText(), controls);
    m_lblSinglePage->setObjectName(QStringLiteral("lblSinglePage"));
    m_imgPrevious = arrow(Qt::LeftArrow, QStringLiteral("imgMovePrevious"), controls);
    m_imgNext = arrow(Qt::RightArrow, QStringLiteral("imgMoveNext"), controls);
    m_imgPrevious->setEnabled(singles.PreviousUsable());
    m_imgNext->setEnabled(singles.NextUsable());
    connect(&singles, &clsTSingle::CountTextChanged, m_lblSingleCount, &QLabel::setText);
    connect(&singles, &clsTSingle::PageTextChanged, m_lblSinglePage, &QLabel::setText);
    connect(&singles, &clsTSingle::ArrowsChanged, this, [this](bool previous, bool next) {
        m_imgPrevious->setEnabled(previous);
        m_imgNext->setEnabled(next);
    });
    connect(m_imgPrevious, &QToolButton::clicked, &singles, &clsTSingle::MovePrevious);
    connect(m_imgNext, &QToolButton::clicked, &singles, &clsTSingle::MoveNext);

    QPushButton *add = button(QStringLiteral("シングルを追加"), QStringLiteral("cmdSingleAdd"), controls);
    QPushButton *addByNumbers = button(QStringLiteral("数値で追加"), QStringLiteral("cmdSingleAdd2"), controls);
    QPushButton *remove = button(QStringLiteral("選択シングルを削除"), QStringLiteral("cmdSingleDel"), controls);
    m_cmdSort = button(QStringLiteral("並び替え"), QStringLiteral("cmdSort"), controls);
    connect(add, &QPushButton::clicked, actions.addSingle, &QAction::trigger);
    connect(addByNumbers, &QPushButton::clicked, actions.addSingleByNumbers, &QAction::trigger);
    connect(remove, &QPushButton::clicked, actions.deleteSelected, &QAction::trigger);
    connect(m_cmdSort, &QPushButton::clicked, this, &SinglesPage::sortMenuRequested);

    auto *layout = new QHBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("シングル総数："), controls));
    layout->addWidget(m_lblSingleCount);
    layout->addSpacing(scaled(16));
    layout->addWidget(new QLabel(QStringLiteral("シングルページ："), controls));
    layout->addWidget(m_imgPrevious);
    layout->addWidget(m_lblSinglePage);
    layout->addWidget(m_imgNext);
    layout->addStretch();
    for (QPushButton *item : {add, addByNumbers, remove, m_cmdSort})
        layout->addWidget(item);
    return controls;
}

// The match grid's rows and the count table's rows run level with the
// sheet's rows; the estimate table's single columns stand under the sheet's
// columns; each further part 5 pixels below the one above.
void SinglesPage::placeParts()
{
    const clsTSingleDraw &sheet = m_document.SinglesView().Sheet();
    const int margin = scaled(8);
    const int gap = scaled(5);
    const int rowOffset = sheet.RowTop(0) - (m_games->height() - 14 * (sheet.RowHeight() + 1) - 1);
    const int sheetLeft = margin + m_games->width() + gap;
    m_games->move(margin, margin + rowOffset);
    m_sheet->move(sheetLeft, margin);
    m_counts->move(sheetLeft + m_sheet->width() + gap, margin + rowOffset);

    const int firstSlotColumn = m_estimates->width() - 10 * (scaled(52) + 1) - 1;
    const int estimatesTop = margin + std::max(m_sheet->height(), rowOffset + m_games->height()) + gap;
    m_estimates->move(std::max(0, sheetLeft - firstSlotColumn), estimatesTop);

    const int width = m_counts->x() + m_counts->width() - margin;
    const int controlsTop = estimatesTop + m_estimates->height() + gap;
    m_controls->setGeometry(margin, controlsTop, width, m_controls->sizeHint().height());
    m_comment->setGeometry(margin, m_controls->geometry().bottom() + 1 + gap, width, m_comment->sizeHint().height());
}
