#include "app/TeamNameEditor.h"
#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "lottery/TeamNames.h"
#include "support/TextCodec.h"
#include "support/IniFile.h"

#include <array>

namespace {

// The team-name files; the first byte of an input chooses the one it replaces.
const std::array<QString, 5> files{QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                                   QStringLiteral("TeamName2.dat"), QStringLiteral("TeamName3.dat"),
                                   QStringLiteral("J1J2.dat")};
constexpr int userFile = 3;
constexpr int leagueFile = 4;
constexpr qint32 overseasRound = 1478;
constexpr qint32 formerRound = 600;

// Native, below the application folder.
QString relative(int file)
{
    return QStringLiteral("SysData/") + files[std::size_t(file)];
}

// As the program names it.
QString programPath(int file)
{
    return QStringLiteral("SysData\\") + files[std::size_t(file)];
}

// Puts the shipped file back (the user's file is not shipped: it goes).
void restore(int file)
{
    static const std::array<QByteArray, 5> shipped = [] {
        std::array<QByteArray, 5> bytes;
        for (int i = 0; i < int(files.size()); ++i)
            bytes[std::size_t(i)] = Fuzz::app().readFile(relative(i));
        return bytes;
    }();
    if (file == userFile)
        Fuzz::app().remove(relative(file));
    else
        Fuzz::app().writeFile(relative(file), shipped[std::size_t(file)]);
}

bool isVersionEntry(const QString &name)
{
    return name == QStringLiteral("Version") || name == QStringLiteral("Revision");
}

// Every official name of a file the round consults has a short name, and
// every short name is found as the club it names.
void checkLookups(const TeamNames &teams, const IniFile &file, int kind)
{
    const bool consulted = kind == 0 || kind == 2 || kind == userFile;
    for (const auto &[shortName, longName] : file.entries()) {
        if (consulted) {
            FUZZ_CHECK(teams.existsLongTeamName(longName));
            FUZZ_CHECK(!teams.getShortTeamName(longName, overseasRound).isEmpty());
        }
        if (kind == 1)
            FUZZ_CHECK(!teams.getShortTeamName(longName, formerRound).isEmpty());
        if (kind != leagueFile && !isVersionEntry(shortName) && shortName == shortName.trimmed())
            FUZZ_CHECK(!teams.findShortTeamName(shortName).isEmpty());
        const QString league = teams.getShortToJ1J2String(longName.left(3), shortName.left(4).toInt());
        FUZZ_CHECK(league.isEmpty() || league == QStringLiteral("J1") || league == QStringLiteral("J2")
                   || league == QStringLiteral("J3"));
    }
    if (kind == 2)
        FUZZ_CHECK(teams.getTeamName2Version() == TeamNames::teamName2VersionOf(file));
}

// A club added to the user's file keeps every entry the file had.
void checkAddition(const IniFile &before, const QByteArray &input)
{
    const QString shortName = QStringLiteral("ﾃｽﾄ");
    const QString longName = QStringLiteral("テスト用クラブＦＣ");
    if (!TeamNameEditor().add(shortName, longName))
        return;
    IniFile after;
    FUZZ_CHECK(after.initialize(programPath(userFile)));
    auto expected = before.entries();
    expected.append({shortName, longName});
    FUZZ_CHECK(after.entries() == expected);
    FUZZ_CHECK(TeamNames().existsLongTeamName(longName));
    // A file of the program's own code page is kept byte for byte, the new line after it.
    if (TextCodec::encodeSjis(TextCodec::decodeSjis(input)) == input && !input.contains('\0')) {
        const QByteArray lineEnd = input.isEmpty() || input.endsWith("\r\n") ? QByteArray() : QByteArray("\r\n");
        const QByteArray line = TextCodec::encodeSjis(shortName.leftJustified(6, u' ') + QStringLiteral(" = ") + longName
                                                      + QStringLiteral("\r\n"));
        FUZZ_CHECK(Fuzz::app().readFile(relative(userFile)) == input + lineEnd + line);
    }
}

} // namespace

// The team-name files on any bytes: lookups through every file, and an
// addition to the user's file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    RecordingUi ui;
    const int kind = data[0] % int(files.size());
    const QByteArray input = Fuzz::bytes(data + 1, size - 1);
    Fuzz::app().writeFile(relative(kind), input);
    IniFile file;
    FUZZ_CHECK(file.initialize(programPath(kind)));
    checkLookups(TeamNames(), file, kind);
    if (kind == userFile)
        checkAddition(file, input);
    restore(kind);
    return 0;
}
