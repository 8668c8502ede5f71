#include "acquisition/BigSettings.h"
#include "app/AppState.h"
#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "support/TextCodec.h"
#include "support/IniFile.h"

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Every entry has a name and a value without spaces at their ends, and the
// lookups in both directions find the first entry of a name or value.
void checkEntries(const IniFile &ini)
{
    const auto &entries = ini.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto &[name, value] = entries[i];
        FUZZ_CHECK(!name.isEmpty() && !value.isEmpty());
        FUZZ_CHECK(!name.startsWith(u' ') && !name.endsWith(u' ') && !value.startsWith(u' ') && !value.endsWith(u' '));
        FUZZ_CHECK(!name.contains(u'=') && !name.contains(QStringLiteral("\r\n")) && !value.contains(QStringLiteral("\r\n")));
        FUZZ_CHECK(ini.itemExists(name) && ini.keyExists(value));
        qsizetype first = 0;
        while (!sameName(entries[first].first, name))
            ++first;
        FUZZ_CHECK(ini.getItem(name, QString()) == entries[first].second);
        first = 0;
        while (!sameName(entries[first].second, value))
            ++first;
        FUZZ_CHECK(ini.getKey(value) == entries[first].first);
    }
}

// QUDO.ini: what was read is saved and reads back the same.
void checkAppState(const QByteArray &input)
{
    Fuzz::app().writeFile(QStringLiteral("SysData/QUDO.ini"), input);
    const AppState read = loadAppState();
    FUZZ_CHECK(saveAppState(read));
    FUZZ_CHECK(Fuzz::app().readFile(QStringLiteral("SysData/QUDO.ini")) == TextCodec::encodeSjis(appStateText(read)));
    const AppState again = loadAppState();
    FUZZ_CHECK(again.roundNumber == read.roundNumber && again.downloadMessage == read.downloadMessage
               && again.resultAll == read.resultAll);
}

bool sameSettings(const BigSettings &a, const BigSettings &b)
{
    return a.version == b.version && a.bigOfficialScheduleUrl == b.bigOfficialScheduleUrl
           && a.bigOfficialResultUrl == b.bigOfficialResultUrl && a.bigOfficialBigUrl == b.bigOfficialBigUrl
           && a.bigOfficialMiniBigUrl == b.bigOfficialMiniBigUrl && a.bigOfficialBig1000Url == b.bigOfficialBig1000Url
           && a.bigOfficialBig100Url == b.bigOfficialBig100Url && a.totoOfficialVoteUrl == b.totoOfficialVoteUrl
           && a.totoOfficialTotoUrl == b.totoOfficialTotoUrl;
}

BigSettings throughSjis(BigSettings settings)
{
    for (QString *text : {&settings.bigOfficialScheduleUrl, &settings.bigOfficialResultUrl,
                          &settings.bigOfficialBigUrl, &settings.bigOfficialMiniBigUrl, &settings.bigOfficialBig1000Url,
                          &settings.bigOfficialBig100Url, &settings.totoOfficialVoteUrl, &settings.totoOfficialTotoUrl})
        *text = Fuzz::throughSjis(*text);
    return settings;
}

// bigSettings.ini: the values read over the defaults are saved and read back the same.
void checkBigSettings(const QByteArray &input)
{
    Fuzz::app().writeFile(QStringLiteral("SysData/bigSettings.ini"), input);
    setBigSettingsDefaults();
    readBigSettings();
    const BigSettings read = bigSettings();
    FUZZ_CHECK(saveBigSettings());
    setBigSettingsDefaults();
    readBigSettings();
    FUZZ_CHECK(sameSettings(bigSettings(), throughSjis(read)));
}

} // namespace

// The INI reader on any text, and the two settings files read through it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    const QByteArray input = Fuzz::bytes(data, size);
    IniFile ini;
    ini.initializeFromText(TextCodec::decodeSjis(input));
    checkEntries(ini);
    checkAppState(input);
    checkBigSettings(input);
    return 0;
}
