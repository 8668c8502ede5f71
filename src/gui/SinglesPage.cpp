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

    SinglesPageController &singles = m_document.singlesView();
    m_document.singleGame().attach(m_games);
    m_sheet->giveMarkPictures(singles.sheet());
    singles.attach(m_sheet, m_counts, m_estimates);

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
    SinglesPageController &singles = m_document.singlesView();
    m_singleCountLabel = new QLabel(singles.countText(), controls);
    m_singleCountLabel->setObjectName(QStringLiteral("lblSingleCount"));
    m_singlePageLabel = new QLabel(singles.pageText(), controls);
    m_singlePageLabel->setObjectName(QStringLiteral("lblSinglePage"));
    m_previousArrow = arrow(Qt::LeftArrow, QStringLiteral("imgMovePrevious"), controls);
    m_nextArrow = arrow(Qt::RightArrow, QStringLiteral("imgMoveNext"), controls);
    m_previousArrow->setEnabled(singles.previousUsable());
    m_nextArrow->setEnabled(singles.nextUsable());
    connect(&singles, &SinglesPageController::CountTextChanged, m_singleCountLabel, &QLabel::setText);
    connect(&singles, &SinglesPageController::pageTextChanged, m_singlePageLabel, &QLabel::setText);
    connect(&singles, &SinglesPageController::arrowsChanged, this, [this](bool previous, bool next) {
        m_previousArrow->setEnabled(previous);
        m_nextArrow->setEnabled(next);
    });
    connect(m_previousArrow, &QToolButton::clicked, &singles, &SinglesPageController::movePrevious);
    connect(m_nextArrow, &QToolButton::clicked, &singles, &SinglesPageController::moveNext);

    QPushButton *add = button(QStringLiteral("シングルを追加"), QStringLiteral("cmdSingleAdd"), controls);
    QPushButton *addByNumbers = button(QStringLiteral("数値で追加"), QStringLiteral("cmdSingleAdd2"), controls);
    QPushButton *remove = button(QStringLiteral("選択シングルを削除"), QStringLiteral("cmdSingleDel"), controls);
    m_sortButton = button(QStringLiteral("並び替え"), QStringLiteral("cmdSort"), controls);
    connect(add, &QPushButton::clicked, actions.addSingle, &QAction::trigger);
    connect(addByNumbers, &QPushButton::clicked, actions.addSingleByNumbers, &QAction::trigger);
    connect(remove, &QPushButton::clicked, actions.deleteSelected, &QAction::trigger);
    connect(m_sortButton, &QPushButton::clicked, this, &SinglesPage::sortMenuRequested);

    auto *layout = new QHBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("シングル総数："), controls));
    layout->addWidget(m_singleCountLabel);
    layout->addSpacing(scaled(16));
    layout->addWidget(new QLabel(QStringLiteral("シングルページ："), controls));
    layout->addWidget(m_previousArrow);
    layout->addWidget(m_singlePageLabel);
    layout->addWidget(m_nextArrow);
    layout->addStretch();
    for (QPushButton *item : {add, addByNumbers, remove, m_sortButton})
        layout->addWidget(item);
    return controls;
}

// The match grid's rows and the count table's rows run level with the
// sheet's rows; the estimate table's single columns stand under the sheet's
// columns; each further part 5 pixels below the one above.
void SinglesPage::placeParts()
{
    const MarkSheet &sheet = m_document.singlesView().sheet();
    const int margin = scaled(8);
    const int gap = scaled(5);
    const int rowOffset = sheet.rowTop(0) - (m_games->height() - 14 * (sheet.rowHeight() + 1) - 1);
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
