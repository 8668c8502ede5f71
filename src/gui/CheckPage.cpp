#include "gui/CheckPage.h"

#include "app/MainDocument.h"
#include "gui/GridView.h"
#include "gui/MainMenus.h"
#include "gui/Pictures.h"
#include "gui/VoteAreaView.h"
#include "gui/PageParts.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

int scaled(double pixels)
{
    return PageParts::scaledX(pixels);
}

GridView *gridView(const QString &name, QWidget *parent)
{
    auto *view = new GridView(parent);
    view->setObjectName(name);
    return view;
}

using PageParts::button;

} // namespace

CheckPage::CheckPage(MainDocument &document, const MainActions &actions, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_multi(gridView(QStringLiteral("picMulti"), this))
    , m_resultBase(new QWidget(this))
    , m_resultGrid(gridView(QStringLiteral("picResult"), m_resultBase))
    , m_counts(gridView(QStringLiteral("picCount"), m_resultBase))
    , m_grades(gridView(QStringLiteral("picGrade"), this))
    , m_confirmedPrizes(gridView(QStringLiteral("picKakutei"), this))
    , m_matches(gridView(QStringLiteral("picGame"), this))
{
    setObjectName(QStringLiteral("picPage_2"));
    m_resultBase->setObjectName(QStringLiteral("picResultBase"));
    QList<QVariant> pictures;
    for (int picture = 0; picture < 4; ++picture)
        pictures.append(Pictures::resultState(picture, devicePixelRatioF()));
    m_document.resultEvaluation().attach(m_resultGrid, m_grades, m_multi, m_counts, m_confirmedPrizes, pictures);
    auto *voteArea = new VoteAreaView(m_matches);
    m_document.matchList().attach(m_matches, voteArea, voteArea);

    m_resultView = createResultView();
    m_pageControls = createPageControls(actions);
    connect(&m_document, &MainDocument::resultButtonsChange, this, &CheckPage::refreshRevealButtons);
    refreshRevealButtons();
    placeParts();
}

QWidget *CheckPage::createResultView()
{
    auto *view = new QWidget(this);
    view->setObjectName(QStringLiteral("picResultView"));
    m_nextButton = button(QStringLiteral("次の結果を表示"), QStringLiteral("cmdNextResult"), view);
    m_allButton = button(QStringLiteral("全ての結果を表示"), QStringLiteral("cmdAllResult"), view);
    m_resultAllCheck = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), view);
    m_resultAllCheck->setObjectName(QStringLiteral("chkResultAll"));
    m_resultAllCheck->setChecked(m_document.State().resultAll);
    connect(m_nextButton, &QPushButton::clicked, &m_document, &MainDocument::RevealNext);
    connect(m_allButton, &QPushButton::clicked, &m_document, &MainDocument::RevealAll);
    connect(m_resultAllCheck, &QCheckBox::toggled, &m_document, &MainDocument::setResultAll);
    auto *layout = new QHBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_nextButton);
    layout->addWidget(m_allButton);
    layout->addWidget(m_resultAllCheck);
    return view;
}

QWidget *CheckPage::createPageControls(const MainActions &actions)
{
    auto *controls = new QWidget(this);
    controls->setObjectName(QStringLiteral("picResultPage"));
    CheckPageController &result = m_document.resultEvaluation();
    auto *count = new QLabel(result.singleCountText(), controls);
    count->setObjectName(QStringLiteral("lblResultCount"));
    auto *page = new QLabel(result.pageText(), controls);
    page->setObjectName(QStringLiteral("lblResultPage"));
    QToolButton *previous = PageParts::arrow(Qt::LeftArrow, QStringLiteral("imgResultPrevious"), controls);
    QToolButton *next = PageParts::arrow(Qt::RightArrow, QStringLiteral("imgResultNext"), controls);
    previous->setEnabled(result.previousEnabled());
    next->setEnabled(result.nextEnabled());
    connect(&result, &CheckPageController::SingleCountTextChanged, count, &QLabel::setText);
    connect(&result, &CheckPageController::pageTextChanged, page, &QLabel::setText);
    connect(&result, &CheckPageController::pageArrowsChanged, this, [previous, next](bool back, bool forward) {
        previous->setEnabled(back);
        next->setEnabled(forward);
    });
    connect(previous, &QToolButton::clicked, &result, &CheckPageController::movePrevious);
    connect(next, &QToolButton::clicked, &result, &CheckPageController::moveNext);
    m_gradeSortButton = button(QStringLiteral("当せん数順"), QStringLiteral("cmdGradeSort"), controls);
    connect(m_gradeSortButton, &QPushButton::clicked, actions.sortByHits, &QAction::trigger);

    auto *layout = new QHBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("シングル総数："), controls));
    layout->addWidget(count);
    layout->addSpacing(scaled(12));
    layout->addWidget(previous);
    layout->addWidget(page);
    layout->addWidget(next);
    layout->addStretch();
    layout->addWidget(m_gradeSortButton);
    return controls;
}

// The selector, the result grid and the grade table stand side by side, 2
// pixels apart, with the match list beside them; the page controls and the
// reveal buttons below them and the confirmed prizes at the bottom.
void CheckPage::placeParts()
{
    const int margin = scaled(8);
    const int gap = scaled(5);
    m_multi->move(margin, margin);
    m_resultBase->move(m_multi->x() + m_multi->width() + scaled(2), margin);
    m_resultBase->resize(std::max(m_resultGrid->width(), m_counts->x() + m_counts->width()),
                         std::max(m_resultGrid->height(), m_counts->height()));
    m_grades->move(m_resultBase->x() + m_resultGrid->width() + scaled(2), margin);
    m_matches->move(m_grades->x() + m_grades->width() + scaled(12), margin);
    m_matches->raise();

    const int rowBottom = margin + std::max({m_multi->height(), m_resultGrid->height(), m_grades->height()});
    const int controlsWidth = m_grades->x() + m_grades->width() - margin;
    m_pageControls->setGeometry(margin, rowBottom + gap, controlsWidth, m_pageControls->sizeHint().height());
    const int viewTop = m_pageControls->geometry().bottom() + 1 + gap;
    m_resultView->setGeometry(margin, viewTop, controlsWidth, m_resultView->sizeHint().height());
    m_confirmedPrizes->move(margin, m_resultView->geometry().bottom() + 1 + scaled(10));
}

void CheckPage::refreshRevealButtons()
{
    const bool enabled = m_document.revealEnabled();
    m_nextButton->setEnabled(enabled);
    m_allButton->setEnabled(enabled);
}
