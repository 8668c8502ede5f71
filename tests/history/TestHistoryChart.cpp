#include "history/HistoryChart.h"
#include "support/WinColor.h"

#include <QTest>

// The chart's layout on a surface that measures text at 7 pixels a character.
namespace {

class MeasuringSurface final : public ChartSurface
{
public:
    explicit MeasuringSurface(QSize size) : m_size(size) {}
    QSize chartSize() const override { return m_size; }
    int textWidth(const QString &text) const override { return 7 * int(text.size()); }
    int textHeight() const override { return 12; }
    void drawChart(const ChartDrawing &drawing) override { drawn.append(drawing); }

    QList<ChartDrawing> drawn;

private:
    QSize m_size;
};

HistoryRow row(qint32 round, qint64 balance, HistoryRow::State state = HistoryRow::State::Graded)
{
    HistoryRow row;
    row.roundNumber = round;
    row.state = state;
    row.balance = Money::fromWhole(balance);
    return row;
}

QList<HistoryChart::Round> season(int rounds)
{
    QList<HistoryChart::Round> result;
    qint64 running = 0;
    for (int i = 0; i < rounds; ++i) {
        const qint64 balance = i % 7 == 0 ? 12000 : -900;
        result.append({1000 + i, balance, running += balance});
    }
    return result;
}

QList<ChartDrawing::Text> roundLabels(const ChartDrawing &drawing)
{
    QList<ChartDrawing::Text> labels;
    for (const ChartDrawing::Text &text : drawing.texts)
        if (text.alignment == 2)
            labels.append(text);
    return labels;
}

} // namespace

class TestHistoryChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneBarPerRoundWithResult();
    void gainsAboveTheAxisLossesBelow();
    void readableFromOneToThreeHundredRounds_data();
    void readableFromOneToThreeHundredRounds();
    void refreshDrawsOnTheSurface();
};

void TestHistoryChart::oneBarPerRoundWithResult()
{
    const QList<HistoryChart::Round> rounds = HistoryChart::roundsOf(
        {row(1476, -600), row(1477, 0, HistoryRow::State::NoResult), row(1478, 700), row(1478, -300),
         row(1162, 0, HistoryRow::State::Refunded), row(1479, 0, HistoryRow::State::Unreadable)});
    QCOMPARE(rounds.size(), 3);
    QCOMPARE(rounds[0].roundNumber, 1162);
    QCOMPARE(rounds[1].running, -600);
    QCOMPARE(rounds[2].roundNumber, 1478);
    QCOMPARE(rounds[2].balance, 400);
    QCOMPARE(rounds[2].running, -200);
}

void TestHistoryChart::gainsAboveTheAxisLossesBelow()
{
    const MeasuringSurface surface(QSize(600, 240));
    const ChartDrawing drawing = HistoryChart::layout({{1, 5000, 5000}, {2, -3000, 2000}}, surface);
    const auto axis = std::find_if(drawing.lines.begin(), drawing.lines.end(), [](const ChartDrawing::Line &line) {
        return line.color == WinColor::Black && line.from.y() == line.to.y() && line.to.x() - line.from.x() > 100;
    });
    QVERIFY(axis != drawing.lines.end());
    const int zero = axis->from.y();
    const QList<ChartDrawing::Box> bars = drawing.boxes.mid(0, 2);
    QCOMPARE(bars[0].color, WinColor::Blue);
    QVERIFY(bars[0].rect.bottom() < zero);
    QCOMPARE(bars[1].color, WinColor::Red);
    QVERIFY(bars[1].rect.top() > zero);
    QVERIFY(bars[0].rect.height() > bars[1].rect.height());
    QCOMPARE(drawing.running.size(), 2);
    QVERIFY(drawing.running[0].y() < drawing.running[1].y());
    QCOMPARE(roundLabels(drawing).size(), 2);
}

void TestHistoryChart::readableFromOneToThreeHundredRounds_data()
{
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("width");
    QTest::newRow("1 round") << 1 << 600;
    QTest::newRow("30 rounds") << 30 << 600;
    QTest::newRow("300 rounds") << 300 << 900;
}

void TestHistoryChart::readableFromOneToThreeHundredRounds()
{
    QFETCH(int, rounds);
    QFETCH(int, width);
    const MeasuringSurface surface(QSize(width, 240));
    const ChartDrawing drawing = HistoryChart::layout(season(rounds), surface);
    QCOMPARE(drawing.running.size(), rounds);
    // A bar per round and the legend's two boxes.
    QCOMPARE(drawing.boxes.size(), rounds + 2);
    for (const ChartDrawing::Box &box : drawing.boxes) {
        QVERIFY(QRect(QPoint(0, 0), drawing.size).contains(box.rect));
        QVERIFY(box.rect.width() >= 1 && box.rect.height() >= 1);
    }
    // Round numbers never touch, the first is always there.
    const QList<ChartDrawing::Text> labels = roundLabels(drawing);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().text, QStringLiteral("1000"));
    for (int i = 1; i < labels.size(); ++i)
        QVERIFY2(labels[i - 1].box.right() < labels[i].box.left(), qPrintable(labels[i].text));
    for (const ChartDrawing::Text &text : drawing.texts)
        QVERIFY(7 * text.text.size() <= text.box.width());
}

void TestHistoryChart::refreshDrawsOnTheSurface()
{
    MeasuringSurface surface(QSize(400, 200));
    HistoryChart chart;
    chart.initialize(&surface);
    chart.setRows({row(5, 100)});
    QCOMPARE(surface.drawn.size(), 2);
    QCOMPARE(surface.drawn.last().size, QSize(400, 200));
    QCOMPARE(surface.drawn.last().running.size(), 1);
}

QTEST_GUILESS_MAIN(TestHistoryChart)
#include "TestHistoryChart.moc"
