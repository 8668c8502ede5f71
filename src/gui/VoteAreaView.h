#pragma once

#include "gui/GridView.h"
#include "evaluation/BarSurface.h"

#include <QImage>
#include <QList>
#include <QPointer>

class VoteBars;

// The vote area of the match list: the picture area of the vote grid with the
// vote bars painted over it. A press and a release on the same bar is a click
// on that bar; anything else goes to the grid. Made a child of the match
// grid's view, which the match list places it over.
class VoteAreaView : public GridView, public BarSurface
{
    Q_OBJECT

public:
    explicit VoteAreaView(QWidget *parent = nullptr);
    ~VoteAreaView() override;

    void attachBars(VoteBars *bars) override;
    void drawBars(const QList<BarDrawing> &bars) override;

    // What the area shows: the grid with the bars over it.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int barAt(QPoint at) const;
    void paintBars(QPainter &painter) const;

    QPointer<VoteBars> m_bars;
    QList<BarDrawing> m_drawings;
    int m_pressedBar = -1;
};
