// How long the cell grid's model takes to turn a page of the result grid into
// drawing work: every cell changed (a page move), and nothing changed (a
// refresh after setting the same values). Painting itself is the view's.
#include "evaluation/ResultGrid.h"
#include "support/WinColor.h"
#include "cellgrid/GridSurface.h"
#include "cellgrid/CellGrid.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

class CountingSurface : public GridSurface
{
public:
    void attachGrid(CellGrid *) override {}
    void resizeSurface(int, int) override {}
    bool isSurfaceVisible() const override { return true; }
    void setSurfaceVisible(bool) override {}
    int surfaceLeft() const override { return 0; }
    int surfaceTop() const override { return 0; }
    void moveSurface(int, int) override {}
    void setFontSize(double) override {}
    void drawCells(const QList<GridCellDrawing> &cells) override { drawn += cells.size(); }
    int popupMenu(const QStringList &) override { return -1; }

    qint64 drawn = 0;
};

void fillPage(ResultGrid &grid, int page)
{
    for (int no = 0; no < 10; ++no) {
        ResultGrid::Marks marks{};
        ResultGrid::Hits hits{};
        for (int match = 0; match < 14; ++match) {
            marks[std::size_t(match)] = quint8((page + no + match) % 3);
            hits[std::size_t(match)] = quint8((page * 7 + no + match) % 5);
        }
        marks[14] = quint8(1 + (page + no) % 15);
        grid.setValue(no, marks, hits, 1478);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CountingSurface surface;
    ResultGrid grid;
    grid.initialize(&surface, 25, 21);
    grid.setColorImage(QStringLiteral("hit"), WinColor::Blue);

    constexpr int pages = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int page = 0; page < pages; ++page) {
        fillPage(grid, page);
        grid.refresh();
    }
    const double moving = double(timer.nsecsElapsed()) / pages / 1000.0;
    const qint64 drawnWhileMoving = surface.drawn;

    fillPage(grid, 0);
    grid.refresh();
    surface.drawn = 0;
    timer.restart();
    for (int repeat = 0; repeat < pages; ++repeat) {
        fillPage(grid, 0);
        grid.refresh();
    }
    const double still = double(timer.nsecsElapsed()) / pages / 1000.0;

    std::printf("result grid page move (fill 10 columns + refresh): %.2f us per page, %.1f cells drawn per page\n",
                moving, double(drawnWhileMoving) / pages);
    std::printf("same page again (nothing changed):                 %.2f us per page, %lld cells drawn\n", still,
                static_cast<long long>(surface.drawn));
    return 0;
}
