#pragma once

#include <QWidget>

class GridView;
class MainDocument;
struct MainActions;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

// The check page: the outcome selector, the result grid of ten singles with
// the count table over it, the grade table, the confirmed prizes, the reveal
// buttons and the match list with its vote rates.
class CheckPage : public QWidget
{
    Q_OBJECT

public:
    CheckPage(MainDocument &document, const MainActions &actions, QWidget *parent = nullptr);

    QPushButton *gradeSortButton() const { return m_gradeSortButton; }

private:
    QWidget *createResultView();
    QWidget *createPageControls(const MainActions &actions);
    void placeParts();
    void refreshRevealButtons();

    MainDocument &m_document;
    GridView *m_multi;
    QWidget *m_resultBase;
    GridView *m_resultGrid;
    GridView *m_counts;
    GridView *m_grades;
    GridView *m_confirmedPrizes;
    GridView *m_matches;
    QWidget *m_resultView = nullptr;
    QWidget *m_pageControls = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_allButton = nullptr;
    QCheckBox *m_resultAllCheck = nullptr;
    QPushButton *m_gradeSortButton = nullptr;
};
