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
            return value == OutcomeSelector::Official || value == OutcomeSelector::Cancelled;
        });
    }));
}

} // namespace

CheckPageController::CheckPageController(QObject *parent)
    : QObject(parent)
{
    connect(&m_multi, &OutcomeSelector::Change, this, &CheckPageController::onSelectorChange);
    connect(&m_count, &MarkCountTable::Click, this, &CheckPageController::onCountClick);
}

void CheckPageController::initialize(GridSurface *surface, GridSurface *gradeSurface, GridSurface *selectorSurface,
                            GridSurface *countSurface, GridSurface *confirmedSurface, GridSurface *, const QList<QVariant> &resultImage)
{
    m_resultGrid.initialize(surface, 25, 21);
    m_gradeTable.initialize(gradeSurface, 40, 21);
    m_multi.initialize(selectorSurface, 30, 21);
    m_count.initialize(countSurface, 67, 21);
    m_confirmedPrizes.initialize(confirmedSurface, 40, 21);
    m_count.move(countTableLeft(), m_resultGrid.grid().top());
    m_resultGrid.clear();
    setPictures(resultImage);
    m_initialized = true;
}

void CheckPageController::attach(GridSurface *surface, GridSurface *gradeSurface, GridSurface *selectorSurface, GridSurface *countSurface,
                        GridSurface *confirmedSurface, const QList<QVariant> &resultImage)
{
    setPictures(resultImage);
    m_resultGrid.attach(surface);
    m_gradeTable.attach(gradeSurface);
    m_multi.attach(selectorSurface);
    m_count.attach(countSurface);
    m_confirmedPrizes.attach(confirmedSurface);
}

void CheckPageController::setPictures(const QList<QVariant> &resultImage)
{
    if (resultImage.isEmpty())
        return;
    m_resultGrid.clearColorImages();
    for (qsizetype i = 0; i < std::min<qsizetype>(resultImage.size(), std::size(PictureKeys)); ++i)
        m_resultGrid.setColorImage(resultImage[i], PictureKeys[i]);
}

bool CheckPageController::requireInitialized(const QString &procedure) const
{
    if (!m_initialized)
        m_err.reportInitializeError(procedure);
    return m_initialized;
}

void CheckPageController::setPercent(bool on)
{
    if (requireInitialized(QStringLiteral("Percent")))
        m_count.setPercent(on);
}

void CheckPageController::setCountVisible(bool on)
{
    m_count.setVisible(on);
}

void CheckPageController::setSingleFrame(const MarkCounts &value, const MatchFlags &visible)
{
    if (!requireInitialized(QStringLiteral("SetSingleFrame")))
        return;
    m_count.setVisible(visible);
    m_count.setValue(value);
}

void CheckPageController::setResultData(qint32 roundNumber, const QString &group, const ResultData &result, bool all)
{
    if (!requireInitialized(QStringLiteral("SetResultData")))
        return;
    m_roundNumber = roundNumber;
    m_group = group;
    m_resultLoaded = result.roundNumber > 0;
    m_multi.setResult(result);
    m_result = result;
    m_revealed = 0;
    revealResult(all ? RevealAll : RevealNone);
}

void CheckPageController::setNextData()
{
    if (requireInitialized(QStringLiteral("SetNextData")))
        revealResult(RevealNext);
}

void CheckPageController::setAllData()
{
    if (requireInitialized(QStringLiteral("SetAlltData")))
        revealResult(RevealAll);
}

void CheckPageController::revealResult(int mode)
{
    GameStateTable table{};
    loadResultTemp(table);
    if (m_result.roundNumber > 0) {
        int last = -1;
        if (mode == RevealNext) {
            last = std::min(m_revealed, Matches - 1);
            m_revealed = std::min(m_revealed + 1, Matches);
        } else if (mode == RevealAll) {
            last = Matches - 1;
            m_revealed = Matches;
        }
        markOfficialOutcomes(table, m_result, last + 1);
    }
    // The selector reports a change, and the singles are graded again, only
    // when the table differs from the one it shows.
    m_multi.setValue(table);
}

void CheckPageController::markOfficialOutcomes(GameStateTable &table, const ResultData &result, int matches)
{
    for (int match = 0; match < std::min(matches, Matches); ++match) {
        const quint8 outcome = result.game[std::size_t(match + 1)].Outcome;
        auto &values = table[std::size_t(match)];
        if (outcome <= 2)
            values[outcome] = OutcomeSelector::Official;
        else if (outcome == ResultGame::OutcomeCancelled)
            values.fill(OutcomeSelector::Cancelled);
    }
}

void CheckPageController::loadResultTemp(GameStateTable &table) const
{
    const ResultAssumptionFile file(m_roundNumber, m_group);
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

void CheckPageController::saveResultTemp() const
{
    if (m_resultLoaded || m_roundNumber <= 0)
        return;
    ResultAssumptionFile(m_roundNumber, m_group).write(m_multi.getValue());
}

void CheckPageController::onSelectorChange(bool click)
{
    if (m_gradingHeld) {
        m_gradingPending = true;
        return;
    }
    evaluateSingles(m_revealed == Matches);
    showPage(m_page);
    if (click)
        saveResultTemp();
}

void CheckPageController::onCountClick()
{
    // Counts, percentages, hidden: the third click puts the table away.
    if (!m_count.percent())
        m_count.setVisible(false);
}

void CheckPageController::evaluateSingles(bool updateConfirmed)
{
    ++m_gradingCount;
    const GameStateTable state = m_multi.getValue();
    m_counts = m_grader.grade(ResultGrader::makeHitTable(state));
    m_gradeTable.setValue(m_counts, m_roundNumber);
    if (updateConfirmed) {
        if (decidedMatches(state) == Matches) {
            m_confirmedPrizes.setResult(m_result);
            m_confirmedPrizes.setValue(m_counts);
        } else {
            m_confirmedPrizes.clear();
        }
    }
    m_count.setColor(m_multi.getVisible());
    m_count.refresh();
}

void CheckPageController::showPage(int page)
{
    if (!m_initialized)
        return;
    m_page = page;
    const HitTable hits = ResultGrader::makeHitTable(m_multi.getValue());
    for (int no = 0; no < SinglesPerPage; ++no) {
        const qint64 single = qint64(page) * SinglesPerPage + no;
        if (single < 0 || single >= m_grader.count()) {
            m_resultGrid.setClear(no);
            continue;
        }
        ResultGrid::Marks marks{};
        ResultGrid::Hits colors{};
        for (int match = 0; match < Matches; ++match) {
            marks[std::size_t(match)] = m_grader.mark(qint32(single), match);
            colors[std::size_t(match)] = hits[std::size_t(match)][marks[std::size_t(match)]];
        }
        marks[Matches] = m_grader.gradeCode(qint32(single));
        m_resultGrid.setValue(no, marks, colors, m_roundNumber);
    }
    m_resultGrid.refresh();
    setPage(page);
}

// Told every time, so that a page bound late still shows the current state.
void CheckPageController::setPage(int page)
{
    m_pageText = QString::number(page + 1) + QStringLiteral("／") + QString::number(m_lastPage + 1);
    m_previousEnabled = page != 0;
    m_nextEnabled = page != m_lastPage;
    Q_EMIT pageTextChanged(m_pageText);
    Q_EMIT pageArrowsChanged(m_previousEnabled, m_nextEnabled);
}

void CheckPageController::movePrevious()
{
    showPage(std::max(m_page - 1, 0));
}

void CheckPageController::moveNext()
{
    showPage(std::min(m_page + 1, m_lastPage));
}

void CheckPageController::setSingleCountText(const QString &text)
{
    m_singleCountText = text;
    Q_EMIT SingleCountTextChanged(m_singleCountText);
}

void CheckPageController::setSingle(qint32 singleCount, std::span<const qint32> singles)
{
    if (!requireInitialized(QStringLiteral("SetSingle")))
        return;
    BusyPointer busy;
    m_decodedList = 0;
    const quint64 generation = ++m_generation;
    m_singleCount = std::max(singleCount, 0);
    setSingleCountText(Format::grouped(m_singleCount));
    m_lastPage = 0;
    m_grader.clear();
    const bool decoded = m_err.guard(QStringLiteral("SetSingle_Sub"), false,
                                     [&] { return decodeSingles(singles, generation); });
    if (generation != m_generation)
        return;   // a list handed over while events ran has taken this one's place
    if (!decoded) {
        // Nothing half decoded stays: the page shows no singles.
        m_grader.release();
        m_singleCount = 0;
        setSingleCountText(Format::grouped(0));
    }
    m_lastPage = m_singleCount > 0 ? (m_singleCount - 1) / SinglesPerPage : 0;
    evaluateSingles(true);
    showPage(0);
}

void CheckPageController::showRound(qint32 roundNumber, const QString &group, const ResultData &result, bool all,
                           std::span<const qint32> singles, quint64 generation)
{
    if (!requireInitialized(QStringLiteral("SetResultData")))
        return;
    m_gradingHeld = true;
    m_gradingPending = false;
    setResultData(roundNumber, group, result, all);
    m_gradingHeld = false;
    if (generation == 0 || generation != m_decodedList || std::size_t(m_singleCount) != singles.size()) {
        const quint64 handedOver = m_generation + 1;
        setSingle(qint32(singles.size()), singles);
        // Not when the decoding failed or a later list took its place.
        if (m_generation == handedOver && std::size_t(m_singleCount) == singles.size())
            m_decodedList = generation;
        return;
    }
    evaluateSingles(true);
    showPage(0);
}

bool CheckPageController::decodeSingles(std::span<const qint32> codes, quint64 generation)
{
    const qint32 count = m_singleCount;
    if (count == 0) {
        m_grader.release();
        return true;
    }
    if (codes.size() < std::size_t(count))
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    std::optional<ProgressScope> progress;
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
        progress->setValue(progress->max());
    return true;
}

void CheckPageController::gradeSort(std::span<qint32> singles, bool Sorted)
{
    BusyPointer busy;
    if (singles.size() != std::size_t(m_grader.count())) {
        m_err.report(QStringLiteral("GradeSort_Sub"), QStringLiteral("シングル数が一致しません"));
        return;
    }
    m_err.guard(QStringLiteral("GradeSort_Sub"), 0, [&] {
        const std::span<const quint8> grades = m_grader.gradeCodes();
        std::vector<qint32> keys(grades.begin(), grades.end());
        std::vector<qint32> index(keys.size());
        std::iota(index.begin(), index.end(), 0);
        QuickSort().longIndexSort(keys, index, Sorted);
        const std::vector<qint32> before(singles.begin(), singles.end());
        for (std::size_t j = 0; j < index.size(); ++j)
            singles[j] = before[std::size_t(index[j])];
        return 0;
    });
}

void CheckPageController::setPopup(int Index)
{
    if (requireInitialized(QStringLiteral("SetPopup")))
        m_multi.setPopup(Index);
}

void CheckPageController::clear()
{
    if (!requireInitialized(QStringLiteral("Clear")))
        return;
    setSingle(0, {});
    m_multi.clear();
    m_resultGrid.clear();
    m_gradeTable.clear(m_roundNumber);
    m_confirmedPrizes.clear();
}
