#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "evaluation/ResultAssumptionFile.h"
#include "support/RuntimeError.h"

// The file of the user's assumptions for a round on any bytes: a file that
// reads gives a table of game states that is saved and reads back the same;
// one that does not fails with a run-time error, the values before the fault
// in the table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    const ResultAssumptionFile file(1478, QString());
    Fuzz::app().writeFile(QStringLiteral("SysData/Temp/BIG_Result_1478.dat"), Fuzz::bytes(data, size));
    GameStateTable table{};
    try {
        file.read(table);
    } catch (const RuntimeError &) {
        return 0;
    }
    for (const auto &values : table)
        for (const qint32 value : values)
            FUZZ_CHECK(value >= 0 && value <= 3);
    FUZZ_CHECK(file.write(table));
    GameStateTable again{};
    file.read(again);
    FUZZ_CHECK(again == table);
    return 0;
}
