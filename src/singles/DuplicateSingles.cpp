#include "singles/DuplicateSingles.h"

#include "lottery/SingleCode.h"
#include "support/AppInfo.h"
#include "support/Format.h"
#include "support/Ui.h"

#include <vector>

namespace {

// One bit per possible single. A code that is no single has no bit: it is
// always kept.
class SingleFlags
{
public:
    SingleFlags()
        : m_bits((std::size_t(SingleCode::CodeCount) + 63) / 64, 0)
    {
    }

    // Sets the flag of a code; true when it was not set before.
    bool set(qint32 code)
    {
        if (!SingleCode::isValidCode(code))
            return true;
        quint64 &word = m_bits[quint32(code) / 64];
        const quint64 bit = quint64(1) << (quint32(code) % 64);
        const bool wasClear = (word & bit) == 0;
        word |= bit;
        return wasClear;
    }

    // Clears the flag of a code; 1 when it was set before, else 0.
    int take(qint32 code)
    {
        if (!SingleCode::isValidCode(code))
            return 1;
        quint64 &word = m_bits[quint32(code) / 64];
        const int shift = int(quint32(code) % 64);
        const int wasSet = int(word >> shift & 1);
        word &= ~(quint64(1) << shift);
        return wasSet;
    }

private:
    std::vector<quint64> m_bits;
};

} // namespace

QList<qint32> DuplicateSingles::without(const QList<qint32> &singles)
{
    // The first walk flags every single and counts the different ones, so the
    // new list is allocated once at its final size. The second walk keeps a
    // single where its flag is still set and clears the flag: later copies
    // find it cleared.
    SingleFlags flags;
    qsizetype kept = 0;
    for (const qint32 code : singles)
        kept += flags.set(code) ? 1 : 0;
    if (kept == singles.size())
        return singles;

    // Every code is written and the place kept only for a first copy: no
    // guessing at a branch that goes either way. The spare entry takes the
    // write after the last single kept.
    QList<qint32> result(kept + 1);
    qint32 *out = result.data();
    for (const qint32 code : singles) {
        *out = code;
        out += flags.take(code);
    }
    result.resize(kept);
    return result;
}

std::optional<QList<qint32>> DuplicateSingles::remove(const QList<qint32> &singles)
{
    QList<qint32> result = without(singles);
    if (result.size() == singles.size()) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                                   QStringLiteral("重複したシングルは存在しません"));
        return std::nullopt;
    }
    Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                               QStringLiteral("重複したシングルを消去しました\r\nシングル総数：")
                                   + Format::grouped(singles.size()) + QStringLiteral(" → ")
                                   + Format::grouped(result.size()));
    return result;
}
