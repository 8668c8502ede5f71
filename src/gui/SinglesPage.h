#pragma once

#include <QWidget>

class GridView;
class MainDocument;
struct MainActions;
class QLabel;
class QPushButton;
class QToolButton;
class SingleSheetView;

// The singles page: the match grid, the mark sheet of ten singles and the
// count table of the marks, the estimate table below the sheet, the count and
// page of the list with its arrows, the four buttons and the comment on the
// estimates.
class SinglesPage : public QWidget
{
    Q_OBJECT

public:
    SinglesPage(MainDocument &document, const MainActions &actions, QWidget *parent = nullptr);

    SingleSheetView *sheetView() const { return m_sheet; }
    QPushButton *sortButton() const { return m_sortButton; }

Q_SIGNALS:
    // 並び替え: the sort menu at the mouse pointer.
    void sortMenuRequested();

private:
    QWidget *createControls(const MainActions &actions);
    void placeParts();

    MainDocument &m_document;
    GridView *m_games;
    SingleSheetView *m_sheet;
    GridView *m_counts;
    GridView *m_estimates;
    QWidget *m_controls = nullptr;
    QLabel *m_comment = nullptr;
    QLabel *m_singleCountLabel = nullptr;
    QLabel *m_singlePageLabel = nullptr;
    QToolButton *m_previousArrow = nullptr;
    QToolButton *m_nextArrow = nullptr;
    QPushButton *m_sortButton = nullptr;
};
