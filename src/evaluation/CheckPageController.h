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
class CheckPageController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString singleCountText READ singleCountText NOTIFY SingleCountTextChanged)
    Q_PROPERTY(QString pageText READ pageText NOTIFY pageTextChanged)
    Q_PROPERTY(bool previousEnabled READ previousEnabled NOTIFY pageArrowsChanged)
    Q_PROPERTY(bool nextEnabled READ nextEnabled NOTIFY pageArrowsChanged)
    Q_PROPERTY(bool fullResult READ fullResult)

public:
    // How revealing proceeds: none, one more match, all matches.
    enum RevealMode { RevealNone = 0, RevealNext = 1, RevealAll = 2 };
    static constexpr int SinglesPerPage = 10;
    // Longer lists show the progress window while they are decoded.
    static constexpr qint32 ProgressThreshold = 10000;
    // Pending window events run after every so many decoded singles.
    static constexpr qint32 EventInterval = 1001;

    explicit CheckPageController(QObject *parent = nullptr);

    // The tables on their picture areas; estimateSurface is not used. The count
    // table's area is moved to the top of surface, in the same parent,
    // beside the result view. resultImage: the result grid's pictures for a hit,
    // a cancelled match, a miss and a winning grade code, in that order.
    void initialize(GridSurface *surface, GridSurface *gradeSurface, GridSurface *selectorSurface, GridSurface *countSurface,
                    GridSurface *confirmedSurface, GridSurface *estimateSurface, const QList<QVariant> &resultImage = {});

    // The page's picture areas take the tables as they stand (the same
    // areas and pictures as Initialize, without estimateSurface).
    void attach(GridSurface *surface, GridSurface *gradeSurface, GridSurface *selectorSurface, GridSurface *countSurface,
                GridSurface *confirmedSurface, const QList<QVariant> &resultImage);

    bool percent() const { return m_count.percent(); }
    void setPercent(bool on);
    bool countVisible() const { return m_count.visible(); }
    void setCountVisible(bool on);
    // All 14 official outcomes are revealed.
    bool fullResult() const { return m_revealed == Matches; }

    // The count table's visible flags, then its counts.
    void setSingleFrame(const MarkCounts &value, const MatchFlags &visible);
    // A new round, group or result; all reveals every outcome at once.
    void setResultData(qint32 roundNumber, const QString &group, const ResultData &result, bool all);
    void setNextData();
    void setAllData();
    // Marks the official outcomes of the first matches of the result in the
    // table: the outcome of each as the official result, a cancelled match on
    // all three outcomes. Outcomes of no known kind leave the match open.
    static void markOfficialOutcomes(GameStateTable &table, const ResultData &result, int matches);
    // Replaces the singles (codes in list order) and grades them.
    void setSingle(qint32 singleCount, std::span<const qint32> singles);
    // What showing the check page does: a round and a list together, graded
    // once. The list is decoded again only when its generation (the list
    // store's) differs from the one decoded last.
    void showRound(qint32 roundNumber, const QString &group, const ResultData &result, bool all,
                   std::span<const qint32> singles, quint64 generation);
    // How often the singles were graded, for those who check that one change
    // grades once.
    quint64 gradingCount() const { return m_gradingCount; }
    // Reorders the caller's singles by grade code; Sorted = true ascending.
    // The caller hands the reordered list back through setSingle.
    void gradeSort(std::span<qint32> singles, bool Sorted);
    // The pop-up menu's choice for the match last clicked in the selector.
    void setPopup(int Index);
    void clear();

    void showPage(int page);
    // The page arrows (click or double click).
    void movePrevious();
    void moveNext();

    QString singleCountText() const { return m_singleCountText; }
    QString pageText() const { return m_pageText; }
    bool previousEnabled() const { return m_previousEnabled; }
    bool nextEnabled() const { return m_nextEnabled; }

    qint32 roundNumber() const { return m_roundNumber; }
    int revealed() const { return m_revealed; }
    int Page() const { return m_page; }
    int lastPage() const { return m_lastPage; }
    qint32 singleCount() const { return m_singleCount; }
    // Of the last grading.
    const GradeCounts &counts() const { return m_counts; }
    quint8 gradeCode(qint32 single) const { return m_grader.gradeCode(single); }
    const ResultGrader &grader() const { return m_grader; }

    const ResultGrid &resultGrid() const { return m_resultGrid; }
    const GradeTable &gradeTable() const { return m_gradeTable; }
    const OutcomeSelector &multiResult() const { return m_multi; }
    const MarkCountTable &countTable() const { return m_count; }
    const ConfirmedPrizeTable &confirmedPrizeTable() const { return m_confirmedPrizes; }

Q_SIGNALS:
    void SingleCountTextChanged(const QString &text);
    void pageTextChanged(const QString &text);
    void pageArrowsChanged(bool previousEnabled, bool nextEnabled);

private:
    static constexpr int Matches = ResultGrader::Matches;

    bool requireInitialized(const QString &procedure) const;
    void setPictures(const QList<QVariant> &resultImage);
    void revealResult(int mode);
    void loadResultTemp(GameStateTable &table) const;
    void saveResultTemp() const;
    void evaluateSingles(bool updateConfirmed);
    bool decodeSingles(std::span<const qint32> codes, quint64 generation);
    void onSelectorChange(bool click);
    void onCountClick();
    void setSingleCountText(const QString &text);
    void setPage(int page);

    ErrorReporter m_err{QStringLiteral("clsTResult")};
    ResultGrid m_resultGrid;
    GradeTable m_gradeTable;
    ConfirmedPrizeTable m_confirmedPrizes;
    OutcomeSelector m_multi;
    MarkCountTable m_count;
    ResultGrader m_grader;

    qint32 m_roundNumber = 0;
    QString m_group;
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
