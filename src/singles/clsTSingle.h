#pragma once

#include "evaluation/EvaluationTables.h"
#include "evaluation/clsTCount.h"
#include "lottery/clsTNumber.h"
#include "rounddata/RoundData.h"
#include "singles/clsTSingleDraw.h"
#include "singles/clsTSingleList.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class GridSurface;
class SingleSheetSurface;

// The singles page's controller: shows the owner's list of singles ten per
// page on the sheet, with the estimate table beside it and the count table of
// the marks, keeps a selection, and lets the user add, change and delete
// singles.
//
// It works on a copy of the owner's list and reports every change back:
// ChangeValue, ChangeFrame and ChangeCount. The owner answers each one while
// it is being raised (ChangeFrame with SetSingleFrame, ChangeCount with
// SetSingle); the page moves that follow an edit rely on those answers.
// Copies of the list share their codes until one side changes a code, so
// handing a long list back and forth costs nothing.
class clsTSingle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString countText READ CountText NOTIFY CountTextChanged)
    Q_PROPERTY(QString pageText READ PageText NOTIFY PageTextChanged)

public:
    static constexpr int PageSize = clsTSingleDraw::Slots;

    explicit clsTSingle(QObject *parent = nullptr);

    // The sheet (its six mark pictures given first through Sheet().SetImage),
    // the count table (columns 60, rows 26) and the estimate table
    // (columns 52, rows 28) in their areas.
    void Initialize(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList);

    bool SinglePercent() const { return m_countTable.Percent(); }
    void SetSinglePercent(bool blnValue) { m_countTable.SetPercent(blnValue); }
    // Visible flags then counts to the count table; keeps a copy of the frame.
    void SetSingleFrame(const MarkCounts &lngValue, const MatchFlags &blnVisible);
    // Replaces the private list (the first lngSingleCount codes count); every
    // single unselected; the page stays. Draws nothing.
    void SetSingle(qint32 lngSingleCount, const QList<qint32> &lngSingle);
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

    qint32 Count() const { return m_count; }
    const QList<qint32> &Singles() const { return m_single; }
    bool IsSelected(qint32 index) const { return m_selected.at(std::size_t(index)); }
    const MarkCounts &Frame() const { return m_frame; }
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
    // Owner: store the code at that index of its list.
    void ChangeValue(qint32 index, qint32 code);
    // Owner: copy it into its frame, then SetSingleFrame(its frame, its visible flags).
    void ChangeFrame(const MarkCounts &frame);
    // Owner: store both as its list, then SetSingle(count, singles).
    void ChangeCount(qint32 count, const QList<qint32> &singles);

    void CountTextChanged(const QString &text);
    void PageTextChanged(const QString &text);
    // Which arrows can be used: enabled picture and the hand pointer.
    void ArrowsChanged(bool previousUsable, bool nextUsable);

private:
    void onNumberClick(int slot);
    void onMarkClick(int slot, int mark, int match);
    void showSlot(int slot);
    void appendSingle(qint32 code);
    qint32 indexOfSlot(int slot) const { return m_page * PageSize + slot; }

    clsTNumber m_number;
    clsTSingleDraw m_sheet;
    clsTCount m_countTable;
    clsTSingleList m_estimates;
    qint32 m_count = 0;
    QList<qint32> m_single;
    std::vector<bool> m_selected;
    MarkCounts m_frame{};
    qint32 m_page = 0;
    qint32 m_lastPage = 0;
    QString m_countText = QStringLiteral("0");
    QString m_pageText = QStringLiteral("1／1");
};
