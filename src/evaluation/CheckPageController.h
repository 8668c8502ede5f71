#pragma once

#include "evaluation/EvaluationTables.h"
#include "evaluation/ResultGrader.h"
#include "evaluation/MarkCountTable.h"
#include "evaluation/OutcomeSelector.h"
#include "evaluation/GradeTable.h"
#include "evaluation/ResultGrid.h"
#include "evaluation/ConfirmedPrizeTable.h"
#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <span>

class GridSurface;

// The controller of the check page: holds the singles of the current round
// and group, grades each against what is known of the round's outcome (the
// official result, revealed all at once or match by match, and the user's
// assumptions in the game-state selector) and drives the result grid, the
// grade table, the selector, the count table and the confirmed prize table.
// The assumptions of a round without a result are kept in SysData\Temp.
//
// It draws only through the picture areas given to Initialize; what the
// page's labels and page arrows show comes out as properties and signals.
class clsTResult : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString SingleCountText READ SingleCountText NOTIFY SingleCountTextChanged)
    Q_PROPERTY(QString PageText READ PageText NOTIFY PageTextChanged)
    Q_PROPERTY(bool PreviousEnabled READ PreviousEnabled NOTIFY PageArrowsChanged)
    Q_PROPERTY(bool NextEnabled READ NextEnabled NOTIFY PageArrowsChanged)
    Q_PROPERTY(bool FullResult READ FullResult)

public:
    // How revealing proceeds: none, one more match, all matches.
    enum RevealMode { RevealNone = 0, RevealNext = 1, RevealAll = 2 };
    static constexpr int SinglesPerPage = 10;
    // Longer lists show the progress window while they are decoded.
    static constexpr qint32 ProgressThreshold = 10000;
    // Pending window events run after every so many decoded singles.
    static constexpr qint32 EventInterval = 1001;

    explicit clsTResult(QObject *parent = nullptr);

    // The tables on their picture areas; picSuitei is not used. The count
    // table's area is moved to the top of objPictureBox, in the same parent,
    // beside the result view. imgResult: the result grid's pictures for a hit,
    // a cancelled match, a miss and a winning grade code, in that order.
    void Initialize(GridSurface *objPictureBox, GridSurface *picGrade, GridSurface *picMulti, GridSurface *picCount,
                    GridSurface *picKakutei, GridSurface *picSuitei, const QList<QVariant> &imgResult = {});

    // The page's picture areas take the tables as they stand (the same
    // areas and pictures as Initialize, without picSuitei).
    void Attach(GridSurface *objPictureBox, GridSurface *picGrade, GridSurface *picMulti, GridSurface *picCount,
                GridSurface *picKakutei, const QList<QVariant> &imgResult);

    bool Percent() const { return m_count.Percent(); }
    void SetPercent(bool blnValue);
    bool CountVisible() const { return m_count.Visible(); }
    void SetCountVisible(bool blnValue);
    // All 14 official outcomes are revealed.
    bool FullResult() const { return m_revealed == Matches; }

    // The count table's visible flags, then its counts.
    void SetSingleFrame(const MarkCounts &lngValue, const MatchFlags &blnVisible);
    // A new round, group or result; blnAll reveals every outcome at once.
    void SetResultData(qint32 lngKaisaikai, const QString &strKumi, const ResultData &result, bool blnAll);
    void SetNextData();
    void SetAlltData();
    // Marks the official outcomes of the first matches of the result in the
    // table: the outcome of each as the official result, a cancelled match on
    // all three outcomes. Outcomes of no known kind leave the match open.
    static void MarkOfficialOutcomes(GameStateTable &table, const ResultData &result, int matches);
    // Replaces the singles (codes in list order) and grades them.
    void SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle);
    // What showing the check page does: a round and a list together, graded
    // once. The list is decoded again only when its generation (the list
    // store's) differs from the one decoded last.
    void ShowRound(qint32 lngKaisaikai, const QString &strKumi, const ResultData &result, bool blnAll,
                   std::span<const qint32> singles, quint64 generation);
    // How often the singles were graded, for those who check that one change
    // grades once.
    quint64 GradingCount() const { return m_gradingCount; }
    // Reorders the caller's singles by grade code; Sorted = true ascending.
    // The caller hands the reordered list back through SetSingle.
    void GradeSort(std::span<qint32> lngSingle, bool Sorted);
    // The pop-up menu's choice for the match last clicked in the selector.
    void SetPopup(int Index);
    void Clear();

    void ShowPage(int lngPage);
    // The page arrows (click or double click).
    void MovePrevious();
    void MoveNext();

    QString SingleCountText() const { return m_singleCountText; }
    QString PageText() const { return m_pageText; }
    bool PreviousEnabled() const { return m_previousEnabled; }
    bool NextEnabled() const { return m_nextEnabled; }

    qint32 Kaisaikai() const { return m_kaisaikai; }
    int Revealed() const { return m_revealed; }
    int Page() const { return m_page; }
    int LastPage() const { return m_lastPage; }
    qint32 SingleCount() const { return m_singleCount; }
    // Of the last grading.
    const GradeCounts &Counts() const { return m_counts; }
    quint8 GradeCode(qint32 single) const { return m_grader.gradeCode(single); }
    const ResultGrader &Grader() const { return m_grader; }

    const clsTResultGrid &ResultGrid() const { return m_resultGrid; }
    const clsTResultGrade &GradeTable() const { return m_gradeTable; }
    const clsTMultiResult &MultiResult() const { return m_multi; }
    const clsTCount &CountTable() const { return m_count; }
    const clsTResultKakutei &KakuteiTable() const { return m_kakutei; }

Q_SIGNALS:
    void SingleCountTextChanged(const QString &text);
    void PageTextChanged(const QString &text);
    void PageArrowsChanged(bool previousEnabled, bool nextEnabled);

private:
    static constexpr int Matches = ResultGrader::Matches;

    bool requireInitialized(const QString &procedure) const;
    void setPictures(const QList<QVariant> &imgResult);
    void RevealResult(int mode);
    void LoadResultTemp(GameStateTable &table) const;
    void SaveResultTemp() const;
    void EvaluateSingles(bool updateConfirmed);
    bool decodeSingles(std::span<const qint32> codes, quint64 generation);
    void onSelectorChange(bool click);
    void onCountClick();
    void setSingleCountText(const QString &text);
    void setPage(int page);

    ErrorReporter m_err{QStringLiteral("clsTResult")};
    clsTResultGrid m_resultGrid;
    clsTResultGrade m_gradeTable;
    clsTResultKakutei m_kakutei;
    clsTMultiResult m_multi;
    clsTCount m_count;
    ResultGrader m_grader;

    qint32 m_kaisaikai = 0;
    QString m_kumi;
    bool m_resultLoaded = false;
    ResultData m_result;
    int m_revealed = 0;
    qint32 m_singleCount = 0;
    GradeCounts m_counts{};
    int m_lastPage = 0;
    int m_page = 0;
    bool m_initialized = false;
    // Counts the lists handed over, so that a list decoded while pending
    // events run gives way to one handed over in the meantime.
    quint64 m_generation = 0;
    // The list store's generation of the singles decoded last; 0: none.
    quint64 m_decodedList = 0;
    bool m_gradingHeld = false;
    bool m_gradingPending = false;
    quint64 m_gradingCount = 0;

    QString m_singleCountText;
    QString m_pageText;
    bool m_previousEnabled = false;
    bool m_nextEnabled = false;
};
