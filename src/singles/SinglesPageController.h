#pragma once

#include "evaluation/EvaluationTables.h"
#include "evaluation/MarkCountTable.h"
#include "lottery/SingleCode.h"
#include "rounddata/RoundData.h"
#include "singles/MarkSheet.h"
#include "singles/SingleListStore.h"
#include "singles/EstimateTable.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class GridSurface;
class SingleSheetSurface;

// The singles page's controller: shows the list of singles ten per page on
// the sheet, with the estimate table beside it and the count table of the
// marks, keeps a selection, and lets the user add, change and delete
// singles. The list itself is the store's: the view keeps only its page and
// its selection, and follows every change of the store at once, so it never
// shows singles the list no longer holds. Edits go to the store, which
// refuses them while a long operation runs.
class SinglesPageController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString countText READ countText NOTIFY CountTextChanged)
    Q_PROPERTY(QString pageText READ pageText NOTIFY pageTextChanged)

public:
    static constexpr int PageSize = MarkSheet::Slots;

    explicit SinglesPageController(SingleListStore &list, QObject *parent = nullptr);

    // The sheet (its six mark pictures given first through sheet().setImage),
    // the count table (columns 60, rows 26) and the estimate table
    // (columns 52, rows 28) in their areas; without areas the controller
    // works all the same and draws when the page attaches them.
    void initialize(SingleSheetSurface *surface, GridSurface *countSurface, GridSurface *estimateSurface);
    void attach(SingleSheetSurface *surface, GridSurface *countSurface, GridSurface *estimateSurface);

    bool singlePercent() const { return m_countTable.percent(); }
    void setSinglePercent(bool on) { m_countTable.setPercent(on); }
    // What showing the page does: the first page and the count table of the frame.
    void show();
    void movePage(qint32 page);
    void movePageLast() { movePage(m_lastPage); }
    void setAllSelect(bool on);
    // Appends a single with every mark "0".
    void add();
    // Appends the single written as 14 digits "0", "1", "2", match 1 first;
    // false (and nothing done) for any other text.
    bool addEx(const QString &text);
    // Deletes the selected singles after asking.
    void selectDelete();
    void setVoteData(const VoteData &vote) { m_estimates.setVoteData(vote); }

    // What the page's labels and arrows show.
    QString countText() const { return m_countText; }
    QString pageText() const { return m_pageText; }
    bool previousUsable() const { return m_page != 0; }
    bool nextUsable() const { return m_page != m_lastPage; }

    qint32 count() const { return m_list.count(); }
    const QList<qint32> &singles() const { return m_list.codes(); }
    bool isSelected(qint32 index) const { return m_selected.at(std::size_t(index)); }
    const MarkCounts &frame() const { return m_list.frame(); }
    qint32 Page() const { return m_page; }
    qint32 lastPage() const { return m_lastPage; }

    MarkSheet &sheet() { return m_sheet; }
    MarkCountTable &countTable() { return m_countTable; }
    EstimateTable &estimateTable() { return m_estimates; }

public Q_SLOTS:
    // The arrows: a page back or forward, staying at the ends.
    void movePrevious();
    void moveNext();

Q_SIGNALS:
    void CountTextChanged(const QString &text);
    void pageTextChanged(const QString &text);
    // Which arrows can be used: enabled picture and the hand pointer.
    void arrowsChanged(bool previousUsable, bool nextUsable);

private:
    void onCountChange(qint32 count);
    void onValueChange(qint32 index);
    void showFrame();
    void onNumberClick(int slot);
    void onMarkClick(int slot, int mark, int match);
    void showSlot(int slot);
    qint32 indexOfSlot(int slot) const { return m_page * PageSize + slot; }

    SingleListStore &m_list;
    SingleCode m_number;
    MarkSheet m_sheet;
    MarkCountTable m_countTable;
    EstimateTable m_estimates;
    std::vector<bool> m_selected;
    qint32 m_page = 0;
    qint32 m_lastPage = 0;
    QString m_countText = QStringLiteral("0");
    QString m_pageText = QStringLiteral("1／1");
};
