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
class clsTSingle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString countText READ CountText NOTIFY CountTextChanged)
    Q_PROPERTY(QString pageText READ PageText NOTIFY PageTextChanged)

public:
    static constexpr int PageSize = clsTSingleDraw::Slots;

    explicit clsTSingle(SingleListStore &list, QObject *parent = nullptr);

    // The sheet (its six mark pictures given first through Sheet().SetImage),
    // the count table (columns 60, rows 26) and the estimate table
    // (columns 52, rows 28) in their areas; without areas the controller
    // works all the same and draws when the page attaches them.
    void Initialize(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList);
    void Attach(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList);

    bool SinglePercent() const { return m_countTable.Percent(); }
    void SetSinglePercent(bool blnValue) { m_countTable.SetPercent(blnValue); }
    // What showing the page does: the first page and the count table of the frame.
    void Show();
    void MovePage(qint32 lngPage);
    void MovePageLast() { MovePage(m_lastPage); }
    void SetAllSelect(bool blnValue);
    // Appends a single with every mark "0".
    void Add();
    // Appends the single written as 14 digits "0", "1", "2", match 1 first;
    // false (and nothing done) for any other text.
    bool AddEx(const QString &text);
    // Deletes the selected singles after asking.
    void SelectDelete();
    void SetVoteData(const VoteData &vote) { m_estimates.SetVoteData(vote); }

    // What the page's labels and arrows show.
    QString CountText() const { return m_countText; }
    QString PageText() const { return m_pageText; }
    bool PreviousUsable() const { return m_page != 0; }
    bool NextUsable() const { return m_page != m_lastPage; }

    qint32 Count() const { return m_list.Count(); }
    const QList<qint32> &Singles() const { return m_list.Codes(); }
    bool IsSelected(qint32 index) const { return m_selected.at(std::size_t(index)); }
    const MarkCounts &Frame() const { return m_list.Frame(); }
    qint32 Page() const { return m_page; }
    qint32 LastPage() const { return m_lastPage; }

    clsTSingleDraw &Sheet() { return m_sheet; }
    clsTCount &CountTable() { return m_countTable; }
    clsTSingleList &EstimateTable() { return m_estimates; }

public Q_SLOTS:
    // The arrows: a page back or forward, staying at the ends.
    void MovePrevious();
    void MoveNext();

Q_SIGNALS:
    void CountTextChanged(const QString &text);
    void PageTextChanged(const QString &text);
    // Which arrows can be used: enabled picture and the hand pointer.
    void ArrowsChanged(bool previousUsable, bool nextUsable);

private:
    void onCountChange(qint32 count);
    void onValueChange(qint32 index);
    void showFrame();
    void onNumberClick(int slot);
    void onMarkClick(int slot, int mark, int match);
    void showSlot(int slot);
    qint32 indexOfSlot(int slot) const { return m_page * PageSize + slot; }

    SingleListStore &m_list;
    clsTNumber m_number;
    clsTSingleDraw m_sheet;
    clsTCount m_countTable;
    clsTSingleList m_estimates;
    std::vector<bool> m_selected;
    qint32 m_page = 0;
    qint32 m_lastPage = 0;
    QString m_countText = QStringLiteral("0");
    QString m_pageText = QStringLiteral("1／1");
};
