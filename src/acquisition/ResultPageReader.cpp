#include "acquisition/ResultPageReader.h"

#include "acquisition/PageLines.h"
#include "acquisition/BigSettings.h"
#include "lottery/LotteryRules.h"
#include "support/Convert.h"
#include "support/Format.h"
#include "support/RuntimeError.h"

namespace {

const QString notAvailable = QStringLiteral("ご指定のくじ結果は表示できません。");
const QString cancelledNotice = QStringLiteral("くじは中止になりました。");
const QString calledOff = QStringLiteral("中止");

QString headingKey(const QString &group)
{
    return group.isEmpty() ? QStringLiteral("回BIGくじ結果")
                             : QStringLiteral("BIG-") + group + QStringLiteral("組くじ結果");
}

// The first line of the prize block: an amount in yen that is not part of the
// 100円BIG product name.
bool startsPrizes(const QString &line)
{
    return line.contains(u'円') && !line.contains(QStringLiteral("100円BIG"));
}

} // namespace

ResultPageReader::ResultPageReader()
    : OfficialPage(QStringLiteral("clsHtmlResult"))
    , m_urlHead(bigSettings().bigOfficialResultUrl)
{
}

QString ResultPageReader::url(qint32 roundNumber) const
{
    return m_urlHead + Format::zeroPadded(roundNumber, 4);
}

bool ResultPageReader::getResult(qint32 roundNumber, const QString &group)
{
    m_result = ResultData();
    m_unpublished = false;
    const QStringList lines = m_err.guard(QStringLiteral("GetResult"), QStringList(), [&] {
        return fetchLines(roundNumber, QStringLiteral("結果情報"), url(roundNumber));
    });
    return !lines.isEmpty() && readLines(lines, group);
}

bool ResultPageReader::readLines(const QStringList &lines, const QString &group)
{
    m_result = ResultData();
    m_unpublished = false;
    return m_err.guard(QStringLiteral("GetResult"), false, [&] { return read(PageLines(lines), group); });
}

bool ResultPageReader::read(const PageLines &lines, const QString &group)
{
    enum class Phase { Heading, Prizes, Matches };
    const QString key = headingKey(group);
    ResultData result;
    Phase phase = Phase::Heading;
    for (int i = 0; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (phase == Phase::Heading) {
            if (line == notAvailable)
                break;
            if (!m_toto.readRoundNumber(line, result.roundNumber, key))
                continue;
            if (!group.isEmpty())
                result.group = group;
            phase = Phase::Prizes;
        }
        if (phase == Phase::Prizes) {
            if (startsPrizes(line)) {
                if (!readPrizes(lines, i, result))
                    break;
                phase = Phase::Matches;
            } else if (line.trimmed() == cancelledNotice) {
                phase = Phase::Matches;
            }
            continue;
        }
        if (const int match = lines.matchNumber(i, RoundData::MatchCount)) {
            readMatch(lines, i, result.game[match]);
            if (match == RoundData::MatchCount)
                break;
            i += 4;
        }
    }
    if (phase == Phase::Heading) {
        m_unpublished = true;
        return false;
    }
    result.Cancelled = true;
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        result.Cancelled = result.Cancelled && result.game[match].Outcome == ResultGame::OutcomeCancelled;
    m_result = result;
    return true;
}

// The prize block from its first line i: per grade the prize, the winners, the
// carry-over and the next grade's label; then the sales figures after
// "投票枚数", the sales dates after "結果発表日" and the payout dates after
// "払戻期限". i ends on the block's last line. False when an anchor is
// missing: the walk ends there.
bool ResultPageReader::readPrizes(const PageLines &lines, int &i, ResultData &result)
{
    int position = i;
    for (int grade = 1; grade <= LotteryRules::getMaxGrade(result.roundNumber); ++grade) {
        result.prize[grade] = PageValues::readCurrency(lines.at(position));
        result.winners[grade] = PageValues::readCurrency(lines.at(position + 1));
        result.carryOver[grade] = PageValues::readCurrency(lines.at(position + 2));
        position += 4;
    }
    if (!lines.find(position, QStringLiteral("投票枚数")))
        return false;
    result.sales = PageValues::readCurrency(lines.at(position + 1));
    result.units = PageValues::readCurrency(lines.at(position + 2));
    result.sheets = PageValues::readCurrency(lines.at(position + 3));
    position += 4;
    if (!lines.find(position, QStringLiteral("結果発表日")))
        return false;
    result.saleStart = dateOf(lines.at(position + 1));
    result.saleEnd = dateOf(lines.at(position + 2));
    result.resultDate = dateOf(lines.at(position + 3));
    position += 4;
    if (!lines.find(position, QStringLiteral("払戻期限")))
        return false;
    result.refundStart = dateOf(lines.at(position + 1));
    result.refundEnd = dateOf(lines.at(position + 2));
    i = position + 2;
    return true;
}

// A match row from its number at row: home, score ("H-A" or "中止"), away,
// outcome. A score or outcome that is not a number from 0 to 255, or a score
// without "-", is a run-time failure.
void ResultPageReader::readMatch(const PageLines &lines, int row, ResultGame &game)
{
    game.home = lines.at(row + 1);
    const QString score = lines.at(row + 2);
    const bool cancelled = score == calledOff;
    if (cancelled) {
        game.homeScore = 0;
        game.awayScore = 0;
    } else {
        const QStringList goals = score.split(u'-');
        if (goals.size() < 2)
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        game.homeScore = Convert::toByte(goals.at(0));
        game.awayScore = Convert::toByte(goals.at(1));
    }
    game.away = lines.at(row + 3);
    game.Outcome = cancelled ? ResultGame::OutcomeCancelled : Convert::toByte(lines.at(row + 4));
}
