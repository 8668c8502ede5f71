#include "history/HistoryChart.h"

#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 GainColor = WinColor::Blue;
constexpr quint32 LossColor = WinColor::Red;
constexpr quint32 RunningColor = WinColor::Black;
constexpr int ScaleSteps = 4;

// A step of 1, 2 or 5 times a power of ten, at least raw.
qint64 roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(std::max(raw, 1.0))));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw)
            return qint64(factor * power);
    return qint64(10 * power);
}

// The scale: from low to high in steps, zero included.
struct Scale
{
    qint64 low = 0;
    qint64 high = 0;
    qint64 step = 1;

    explicit Scale(const QList<HistoryChart::Round> &rounds)
    {
        for (const HistoryChart::Round &round : rounds) {
            low = std::min({low, round.balance, round.running});
            high = std::max({high, round.balance, round.running});
        }
        step = roundStep(double(std::max<qint64>(high - low, 1)) / ScaleSteps);
        low = qint64(std::floor(double(low) / double(step))) * step;
        high = std::max(qint64(std::ceil(double(high) / double(step))) * step, low + step);
    }
};

} // namespace

void HistoryChart::initialize(ChartSurface *surface)
{
    m_surface = surface;
    refresh();
}

void HistoryChart::setRows(const QList<HistoryRow> &rows)
{
    m_rounds = roundsOf(rows);
    refresh();
}

void HistoryChart::refresh()
{
    if (m_surface)
        m_surface->drawChart(layout(m_rounds, *m_surface));
}

QList<HistoryChart::Round> HistoryChart::roundsOf(const QList<HistoryRow> &rows)
{
    QMap<qint32, Round> byRound;
    for (const HistoryRow &row : rows) {
        if (!row.inTotals())
            continue;
        Round &round = byRound[row.roundNumber];
        round.roundNumber = row.roundNumber;
        round.balance += row.balance.roundedWholeUnits();
    }
    QList<Round> rounds = byRound.values();
    qint64 running = 0;
    for (Round &round : rounds)
        round.running = running += round.balance;
    return rounds;
}

ChartDrawing HistoryChart::layout(const QList<Round> &rounds, const ChartSurface &metrics)
{
    ChartDrawing drawing;
    drawing.size = metrics.chartSize();
    drawing.runningColor = RunningColor;
    const int pad = GridStyle::pixelsX(6);
    const int textHeight = metrics.textHeight();
    const int top = pad + textHeight + pad;
    const int bottom = drawing.size.height() - pad - textHeight - pad;
    if (rounds.isEmpty() || bottom - top < textHeight)
        return drawing;

    const Scale scale(rounds);
    int labelWidth = 0;
    for (qint64 value = scale.low; value <= scale.high; value += scale.step)
        labelWidth = std::max(labelWidth, metrics.textWidth(Format::grouped(value)));
    const int left = pad + labelWidth + pad;
    const int right = drawing.size.width() - pad;
    if (right - left < int(rounds.size()))
        return drawing;
    const auto yOf = [&](qint64 value) {
        return bottom - int(std::lround(double(value - scale.low) * (bottom - top) / double(scale.high - scale.low)));
    };

    for (qint64 value = scale.low; value <= scale.high; value += scale.step) {
        const int y = yOf(value);
        drawing.lines.append({{left, y}, {right, y}, value == 0 ? WinColor::Black : WinColor::GridLine});
        drawing.texts.append({QRect(pad, y - textHeight / 2, labelWidth, textHeight), Format::grouped(value), 1,
                              WinColor::Black});
    }

    const double slot = double(right - left) / double(rounds.size());
    const int barWidth = std::max(1, int(slot * 0.6));
    int roundWidth = 0;
    for (const Round &round : rounds)
        roundWidth = std::max(roundWidth, metrics.textWidth(QString::number(round.roundNumber)));
    roundWidth += pad;
    const int every = std::max(1, int(std::ceil(double(roundWidth) / slot)));
    const int zero = yOf(0);
    for (int i = 0; i < rounds.size(); ++i) {
        const Round &round = rounds[i];
        const int centre = left + int(slot * (i + 0.5));
        const int barLeft = centre - barWidth / 2;
        const int y = yOf(round.balance);
        // Every gain and loss shows, however small beside the others.
        if (round.balance > 0)
            drawing.boxes.append(
                {QRect(QPoint(barLeft, std::min(y, zero - 1)), QPoint(barLeft + barWidth - 1, zero - 1)), GainColor});
        else if (round.balance < 0)
            drawing.boxes.append(
                {QRect(QPoint(barLeft, zero + 1), QPoint(barLeft + barWidth - 1, std::max(y, zero + 1))), LossColor});
        drawing.running.append({centre, yOf(round.running)});
        if (i % every == 0)
            drawing.texts.append({QRect(centre - roundWidth / 2, bottom + pad, roundWidth, textHeight),
                                  QString::number(round.roundNumber), 2, WinColor::Black});
    }

    // The legend over the chart: a gain and a loss box for 収支, a stroke for 累計収支.
    const int mark = std::max(4, textHeight * 2 / 3);
    const int markTop = pad + (textHeight - mark) / 2;
    int x = left;
    for (const quint32 color : {GainColor, LossColor}) {
        drawing.boxes.append({QRect(x, markTop, mark, mark), color});
        x += mark + pad / 2;
    }
    const QString balance = QStringLiteral("収支");
    drawing.texts.append({QRect(x, pad, metrics.textWidth(balance), textHeight), balance, 0, WinColor::Black});
    x += metrics.textWidth(balance) + 2 * pad;
    drawing.lines.append({{x, pad + textHeight / 2}, {x + 2 * mark, pad + textHeight / 2}, RunningColor});
    x += 2 * mark + pad / 2;
    const QString running = QStringLiteral("累計収支");
    drawing.texts.append({QRect(x, pad, metrics.textWidth(running), textHeight), running, 0, WinColor::Black});
    return drawing;
}
