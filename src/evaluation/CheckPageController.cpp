#include "evaluation/CheckPageController.h"

#include "evaluation/ResultAssumptionFile.h"
#include "support/DisplayScale.h"
#include "support/Format.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"
#include "support/WinColor.h"
#include "support/ProgressScope.h"
#include "support/QuickSort.h"
#include "cellgrid/GridSurface.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

namespace {

// The result grid's pictures by their key colours: hit, cancelled, miss,
// winning grade code.
constexpr quint32 PictureKeys[] = {WinColor::Blue, WinColor::Yellow, WinColor::Red, WinColor::Green};

// The count table lies over the match list's vote column: the widths of the
// date, number, home and away columns and a margin, each scaled and cut to
// whole pixels on its own.
int countTableLeft()
{
    int left = 0;
    for (const double width : {51.0, 21.0, 51.0, 51.0, 8.0})
        left += int(std::floor(DisplayScale::scaleX(width)));
    return left;
}

// A match is decided when its official outcome is known or it is cancelled.
int decidedMatches(const GameStateTable &state)
{
    return int(std::count_if(state.begin(), state.end(), [](const auto &values) {
        return std::any_of(values.begin(), values.end(), [](qint32 value) {
            return value == clsTMultiResult::Official || value == clsTMultiResult::Cancelled;
        });
    }));
}

} // namespace

clsTResult::clsTResult(QObject *parent)
    : QObject(parent)
{
    connect(&m_multi, &clsTMultiResult::Change, this, &clsTResult::onSelectorChange);
    connect(&m_count, &clsTCount::Click, this, &clsTResult::onCountClick);
}

void clsTResult::Initialize(GridSurface *objPictureBox, GridSurface *picGrade, GridSurface *picMulti,
                            GridSurface *picCount, GridSurface *picKakutei, GridSurface *, const QList<QVariant> &imgResult)
{
    m_resultGrid.Initialize(objPictureBox, 25, 21);
    m_gradeTable.Initialize(picGrade, 40, 21);
    m_multi.Initialize(picMulti, 30, 21);
    m_count.Initialize(picCount, 67, 21);
    m_kakutei.Initialize(picKakutei, 40, 21);
    m_count.Move(countTableLeft(), m_resultGrid.Grid().Top());
    m_resultGrid.Clear();
    setPictures(imgResult);
    m_initialized = true;
}

void clsTResult::Attach(GridSurface *objPictureBox, GridSurface *picGrade, GridSurface *picMulti, GridSurface *picCount,
                        GridSurface *picKakutei, const QList<QVariant> &imgResult)
{
    setPictures(imgResult);
    m_resultGrid.Attach(objPictureBox);
    m_gradeTable.Attach(picGrade);
    m_multi.Attach(picMulti);
    m_count.Attach(picCount);
    m_kakutei.Attach(picKakutei);
}

void clsTResult::setPictures(const QList<QVariant> &imgResult)
{
    if (imgResult.isEmpty())
        return;
    m_resultGrid.ClearColorImages();
    for (qsizetype i = 0; i < std::min<qsizetype>(imgResult.size(), std::size(PictureKeys)); ++i)
        m_resultGrid.SetColorImage(imgResult[i], PictureKeys[i]);
}

bool clsTResult::requireInitialized(const QString &procedure) const
{
    if (!m_initialized)
        m_err.reportInitializeError(procedure);
    return m_initialized;
}

void clsTResult::SetPercent(bool blnValue)
{
    if (requireInitialized(QStringLiteral("Percent")))
        m_count.SetPercent(blnValue);
}

void clsTResult::SetCountVisible(bool blnValue)
{
    m_count.SetVisible(blnValue);
}

void clsTResult::SetSingleFrame(const MarkCounts &lngValue, const MatchFlags &blnVisible)
{
    if (!requireInitialized(QStringLiteral("SetSingleFrame")))
        return;
    m_count.SetVisible(blnVisible);
    m_count.SetValue(lngValue);
}

void clsTResult::SetResultData(qint32 lngKaisaikai, const QString &strKumi, const ResultData &result, bool blnAll)
{
    if (!requireInitialized(QStringLiteral("SetResultData")))
        return;
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_resultLoaded = result.Kaisaikai > 0;
    m_multi.SetResult(result);
    m_result = result;
    m_revealed = 0;
    RevealResult(blnAll ? RevealAll : RevealNone);
}

void clsTResult::SetNextData()
{
    if (requireInitialized(QStringLiteral("SetNextData")))
        RevealResult(RevealNext);
}

void clsTResult::SetAlltData()
{
    if (requireInitialized(QStringLiteral("SetAlltData")))
        RevealResult(RevealAll);
}

void clsTResult::RevealResult(int mode)
{
    GameStateTable table{};
    LoadResultTemp(table);
    if (m_result.Kaisaikai > 0) {
        int last = -1;
        if (mode == RevealNext) {
            last = std::min(m_revealed, Matches - 1);
            m_revealed = std::min(m_revealed + 1, Matches);
        } else if (mode == RevealAll) {
            last = Matches - 1;
            m_revealed = Matches;
        }
        MarkOfficialOutcomes(table, m_result, last + 1);
    }
    // The selector reports a change, and the singles are graded again, only
    // when the table differs from the one it shows.
    m_multi.SetValue(table);
}

void clsTResult::MarkOfficialOutcomes(GameStateTable &table, const ResultData &result, int matches)
{
    for (int match = 0; match < std::min(matches, Matches); ++match) {
        const quint8 outcome = result.Game[std::size_t(match + 1)].Outcome;
        auto &values = table[std::size_t(match)];
        if (outcome <= 2)
            values[outcome] = clsTMultiResult::Official;
        else if (outcome == ResultGame::OutcomeCancelled)
            values.fill(clsTMultiResult::Cancelled);
    }
}

void clsTResult::LoadResultTemp(GameStateTable &table) const
{
    const ResultAssumptionFile file(m_kaisaikai, m_kumi);
    if (!file.exists())
        return;
    m_err.guard(QStringLiteral("LoadResultTemp"), 0, [&] {
        // The official result replaces the assumptions for good.
        if (m_resultLoaded)
            file.remove();
        else
            file.read(table);
        return 0;
    });
}

void clsTResult::SaveResultTemp() const
{
    if (m_resultLoaded || m_kaisaikai <= 0)
        return;
    ResultAssumptionFile(m_kaisaikai, m_kumi).write(m_multi.GetValue());
}

void clsTResult::onSelectorChange(bool click)
{
    if (m_gradingHeld) {
        m_gradingPending = true;
        return;
    }
    EvaluateSingles(m_revealed == Matches);
    ShowPage(m_page);
    if (click)
        SaveResultTemp();
}

void clsTResult::onCountClick()
{
    // Counts, percentages, hidden: the third click puts the table away.
    if (!m_count.Percent())
        m_count.SetVisible(false);
}

void clsTResult::EvaluateSingles(bool updateConfirmed)
{
    ++m_gradingCount;
    const GameStateTable state = m_multi.GetValue();
    m_counts = m_grader.grade(ResultGrader::MakeHitTable(state));
    m_gradeTable.SetValue(m_counts, m_kaisaikai);
    if (updateConfirmed) {
        if (decidedMatches(state) == Matches) {
            m_kakutei.SetResult(m_result);
            m_kakutei.SetValue(m_counts);
        } else {
            m_kakutei.Clear();
        }
    }
    m_count.SetColor(m_multi.GetVisible());
    m_count.Refresh();
}

void clsTResult::ShowPage(int lngPage)
{
    if (!m_initialized)
        return;
    m_page = lngPage;
    const HitTable hits = ResultGrader::MakeHitTable(m_multi.GetValue());
    for (int no = 0; no < SinglesPerPage; ++no) {
        const qint64 single = qint64(lngPage) * SinglesPerPage + no;
        if (single < 0 || single >= m_grader.count()) {
            m_resultGrid.SetClear(no);
            continue;
        }
        clsTResultGrid::Marks marks{};
        clsTResultGrid::Hits colors{};
        for (int match = 0; match < Matches; ++match) {
            marks[std::size_t(match)] = m_grader.mark(qint32(single), match);
            colors[std::size_t(match)] = hits[std::size_t(match)][marks[std::size_t(match)]];
        }
        marks[Matches] = m_grader.gradeCode(qint32(single));
        m_resultGrid.SetValue(no, marks, colors, m_kaisaikai);
    }
    m_resultGrid.Refresh();
    setPage(lngPage);
}

// Told every time, so that a page bound late still shows the current state.
void clsTResult::setPage(int page)
{
    m_pageText = QString::number(page + 1) + QStringLiteral("／") + QString::number(m_lastPage + 1);
    m_previousEnabled = page != 0;
    m_nextEnabled = page != m_lastPage;
    Q_EMIT PageTextChanged(m_pageText);
    Q_EMIT PageArrowsChanged(m_previousEnabled, m_nextEnabled);
}

void clsTResult::MovePrevious()
{
    ShowPage(std::max(m_page - 1, 0));
}

void clsTResult::MoveNext()
{
    ShowPage(std::min(m_page + 1, m_lastPage));
}

void clsTResult::setSingleCountText(const QString &text)
{
    m_singleCountText = text;
    Q_EMIT SingleCountTextChanged(m_singleCountText);
}

void clsTResult::SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle)
{
    if (!requireInitialized(QStringLiteral("SetSingle")))
        return;
    BusyPointer busy;
    m_decodedList = 0;
    const quint64 generation = ++m_generation;
    m_singleCount = std::max(lngSingleCount, 0);
    setSingleCountText(Format::grouped(m_singleCount));
    m_lastPage = 0;
    m_grader.clear();
    const bool decoded = m_err.guard(QStringLiteral("SetSingle_Sub"), false,
                                     [&] { return decodeSingles(lngSingle, generation); });
    if (generation != m_generation)
        return;   // a list handed over while events ran has taken this one's place
    if (!decoded) {
        // Nothing half decoded stays: the page shows no singles.
        m_grader.release();
        m_singleCount = 0;
        setSingleCountText(Format::grouped(0));
    }
    m_lastPage = m_singleCount > 0 ? (m_singleCount - 1) / SinglesPerPage : 0;
    EvaluateSingles(true);
    ShowPage(0);
}

void clsTResult::ShowRound(qint32 lngKaisaikai, const QString &strKumi, const ResultData &result, bool blnAll,
                           std::span<const qint32> singles, quint64 generation)
{
    if (!requireInitialized(QStringLiteral("SetResultData")))
        return;
    m_gradingHeld = true;
    m_gradingPending = false;
    SetResultData(lngKaisaikai, strKumi, result, blnAll);
    m_gradingHeld = false;
    if (generation == 0 || generation != m_decodedList || std::size_t(m_singleCount) != singles.size()) {
        const quint64 handedOver = m_generation + 1;
        SetSingle(qint32(singles.size()), singles);
        // Not when the decoding failed or a later list took its place.
        if (m_generation == handedOver && std::size_t(m_singleCount) == singles.size())
            m_decodedList = generation;
        return;
    }
    EvaluateSingles(true);
    ShowPage(0);
}

bool clsTResult::decodeSingles(std::span<const qint32> codes, quint64 generation)
{
    const qint32 count = m_singleCount;
    if (count == 0) {
        m_grader.release();
        return true;
    }
    if (codes.size() < std::size_t(count))
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    std::optional<clsWaitDialog> progress;
    if (count > ProgressThreshold)
        progress.emplace(QStringLiteral("シングル構成の解析中"), count - 1);
    // The caller's list may change while pending events run; this copy cannot.
    std::vector<qint32, LargeTableAllocator<qint32>> own;
    if (count >= EventInterval) {
        own.assign(codes.begin(), codes.begin() + count);
        codes = own;
    }
    m_grader.resize(count);
    for (qint32 from = 0; from < count; from += EventInterval) {
        const qint32 to = std::min(from + EventInterval, count);
        m_grader.decode(codes, from, to);
        if (to - from < EventInterval)
            break;
        if (progress)
            progress->setValue(to - 1);
        Ui::instance().processEvents();
        if (generation != m_generation)
            return false;
    }
    if (progress)
        progress->setValue(progress->Max());
    return true;
}

void clsTResult::GradeSort(std::span<qint32> lngSingle, bool Sorted)
{
    BusyPointer busy;
    if (lngSingle.size() != std::size_t(m_grader.count())) {
        m_err.report(QStringLiteral("GradeSort_Sub"), QStringLiteral("シングル数が一致しません"));
        return;
    }
    m_err.guard(QStringLiteral("GradeSort_Sub"), 0, [&] {
        const std::span<const quint8> grades = m_grader.gradeCodes();
        std::vector<qint32> keys(grades.begin(), grades.end());
        std::vector<qint32> index(keys.size());
        std::iota(index.begin(), index.end(), 0);
        clsQuickSort().LongIndexSort(keys, index, Sorted);
        const std::vector<qint32> before(lngSingle.begin(), lngSingle.end());
        for (std::size_t j = 0; j < index.size(); ++j)
            lngSingle[j] = before[std::size_t(index[j])];
        return 0;
    });
}

void clsTResult::SetPopup(int Index)
{
    if (requireInitialized(QStringLiteral("SetPopup")))
        m_multi.SetPopup(Index);
}

void clsTResult::Clear()
{
    if (!requireInitialized(QStringLiteral("Clear")))
        return;
    SetSingle(0, {});
    m_multi.Clear();
    m_resultGrid.Clear();
    m_gradeTable.Clear(m_kaisaikai);
    m_kakutei.Clear();
}
