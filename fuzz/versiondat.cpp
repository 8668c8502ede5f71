#include "acquisition/TeamNameUpdate.h"
#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "lottery/TeamNames.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"

namespace {

// The installed file's version number before any update: 1.0.
constexpr qint32 installedNumber = 1000;
// major and minor have at most six digits each.
constexpr qint32 largestNumber = 999999 * 1000 + 999999;

// A downloaded TeamName2.dat that may replace the installed one is newer
// and complete, and once saved the program reads that version from it.
void checkTeamName2(const TeamNameUpdate &update, const QString &text)
{
    if (!update.checkTeamName2(text, installedNumber))
        return;
    FUZZ_CHECK(text.contains(QStringLiteral("[End]")));
    static const QByteArray shipped = Fuzz::app().readFile(QStringLiteral("SysData/TeamName2.dat"));
    FUZZ_CHECK(TextFile().saveToFile(QStringLiteral("SysData\\TeamName2.dat"), text));
    FUZZ_CHECK(TeamNameUpdate::getVersionNumber(TeamNames().getTeamName2Version()) > installedNumber);
    Fuzz::app().writeFile(QStringLiteral("SysData/TeamName2.dat"), shipped);
}

} // namespace

// version.dat and TeamName2.dat as the maker's download server sends them,
// decoded as the program's code page.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    const QString text = TextCodec::decodeSjis(Fuzz::bytes(data, size));
    TeamNameUpdate update;
    if (update.readFileVersion(text)) {
        FUZZ_CHECK(text.contains(QStringLiteral("[VersionEnd]")) && ui.boxes().isEmpty());
        const qint32 number = TeamNameUpdate::getVersionNumber(update.getItem(QStringLiteral("TeamName2.dat"), QString()));
        FUZZ_CHECK(number >= 0 && number <= largestNumber);
    } else {
        FUZZ_CHECK(ui.boxes().size() == 1 && update.getItem(QStringLiteral("TeamName2.dat"), QStringLiteral("none")) == QStringLiteral("none"));
    }
    checkTeamName2(update, text);
    return 0;
}
