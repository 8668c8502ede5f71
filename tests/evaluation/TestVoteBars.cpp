#include "common/RecordingBarSurface.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"
#include "evaluation/VoteBars.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QList<int> widthsOf(const QList<BarSegmentDrawing> &segments)
{
    QList<int> widths;
    for (const BarSegmentDrawing &segment : segments)
        widths.append(segment.width);
    return widths;
}

} // namespace

// The vote bars: segment widths from the vote counts, the shading, the grey
// bar without votes, where the bars lie and their clicks.
class TestVoteBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void segmentWidths_data();
    void segmentWidths();
    void noVotesIsOneGreyBar();
    void shading();
    void placeOfTheBars_data();
    void placeOfTheBars();
    void barsStartHiddenAndShowTheirCounts();
    void clicksReportTheMatch();
};

void TestVoteBars::cleanup()
{
    DisplayScale::setDpiSource({});
}

void TestVoteBars::segmentWidths_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("widths");
    // 101.5 rounds to the even 102; 60.9 to 61; the last takes the rest.
    QTest::newRow("50, 30, 20") << 203 << QList<int>{50, 30, 20} << QList<int>{102, 61, 40};
    QTest::newRow("thirds") << 203 << QList<int>{1, 1, 1} << QList<int>{68, 68, 67};
    QTest::newRow("all on 2") << 203 << QList<int>{0, 0, 7} << QList<int>{0, 0, 203};
    QTest::newRow("all on 1") << 203 << QList<int>{7, 0, 0} << QList<int>{203, 0, 0};
    QTest::newRow("144 dpi, 50, 30, 20") << 304 << QList<int>{50, 30, 20} << QList<int>{152, 91, 61};
    QTest::newRow("real votes") << 203 << QList<int>{80112, 52310, 51702} << QList<int>{88, 58, 57};
}

void TestVoteBars::segmentWidths()
{
    QFETCH(int, width);
    QFETCH(QList<int>, counts);
    const QList<BarSegmentDrawing> segments = VoteBars::segments(width, 7, {counts[0], counts[1], counts[2]});
    QTEST(widthsOf(segments), "widths");
    QCOMPARE(segments[1].left, segments[0].width);
    QCOMPARE(segments[2].left, segments[0].width + segments[1].width);
    QCOMPARE(segments[0].rowColors.first(), WinColor::rgb(160, 160, 225));
    QCOMPARE(segments[1].rowColors.first(), WinColor::rgb(225, 225, 160));
    QCOMPARE(segments[2].rowColors.first(), WinColor::rgb(225, 160, 160));
}

void TestVoteBars::noVotesIsOneGreyBar()
{
    const QList<BarSegmentDrawing> segments = VoteBars::segments(203, 7, {0, 0, 0});
    QCOMPARE(segments.size(), 1);
    QCOMPARE(segments[0].left, 0);
    QCOMPARE(segments[0].width, 203);
    QCOMPARE(segments[0].rowColors, QList<quint32>(7, WinColor::rgb(200, 200, 200)));
}

void TestVoteBars::shading()
{
    // The base, 30 lighter, 12 darker than that, then 18 darker row by row.
    QCOMPARE(VoteBars::shading(WinColor::rgb(225, 225, 160), 7),
             (QList<quint32>{WinColor::rgb(225, 225, 160), WinColor::rgb(255, 255, 190), WinColor::rgb(243, 243, 178),
                             WinColor::rgb(225, 225, 160), WinColor::rgb(207, 207, 142),
                             WinColor::rgb(189, 189, 124), WinColor::rgb(171, 171, 106)}));
    // Rows of a taller bar stop at black.
    const QList<quint32> tall = VoteBars::shading(WinColor::rgb(160, 160, 225), 14);
    QCOMPARE(tall[9], WinColor::rgb(52, 52, 117));
    QCOMPARE(tall[13], WinColor::rgb(0, 0, 45));
}

void TestVoteBars::placeOfTheBars_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QRect>("first");
    QTest::addColumn<int>("step");
    QTest::newRow("96 dpi") << 96.0 << QRect(1, 15, 203, 7) << 22;
    // CLng(1.5) = 2, Int(22.5) = 22, Int(32.5) = 32, CLng(304.5) = 304, CLng(10.5) = 10.
    QTest::newRow("144 dpi") << 144.0 << QRect(2, 22, 304, 10) << 32;
}

void TestVoteBars::placeOfTheBars()
{
    QFETCH(double, dpi);
    QFETCH(QRect, first);
    QFETCH(int, step);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    RecordingBarSurface surface;
    VoteBars bars;
    bars.initialize(&surface);
    const QList<BarDrawing> drawn = surface.lastBars();
    QCOMPARE(drawn.size(), VoteBars::BarCount);
    for (int index = 0; index < VoteBars::BarCount; ++index) {
        const BarDrawing &bar = drawn[index];
        QCOMPARE(bar.index, index);
        QCOMPARE(QRect(bar.left, bar.top, bar.width, bar.height), first.translated(0, step * index));
    }
}

void TestVoteBars::barsStartHiddenAndShowTheirCounts()
{
    RecordingBarSurface surface;
    VoteBars bars;
    bars.initialize(&surface);
    QCOMPARE(surface.refreshes(), 1);
    for (const BarDrawing &bar : surface.lastBars())
        QVERIFY(!bar.visible);
    bars.setVisible(3, true);
    bars.setValue(3, 50, 30, 20);
    QCOMPARE(surface.refreshes(), 1);   // nothing drawn before the refresh
    bars.refresh();
    const BarDrawing bar = surface.lastBars()[3];
    QVERIFY(bar.visible);
    QCOMPARE(widthsOf(bar.segments), (QList<int>{102, 61, 40}));
    QVERIFY(bar.contains(bar.left, bar.top));
    QVERIFY(bar.contains(bar.left + bar.width - 1, bar.top + bar.height - 1));
    QVERIFY(!bar.contains(bar.left + bar.width, bar.top));
}

void TestVoteBars::clicksReportTheMatch()
{
    RecordingBarSurface surface;
    VoteBars bars;
    bars.initialize(&surface);
    QSignalSpy clicks(&bars, &VoteBars::Click);
    surface.click(0);
    surface.click(13);
    surface.click(14);
    surface.click(-1);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks[0].at(0).toInt(), 1);
    QCOMPARE(clicks[1].at(0).toInt(), 14);
}

QTEST_GUILESS_MAIN(TestVoteBars)
#include "TestVoteBars.moc"
