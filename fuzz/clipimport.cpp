#include "common/FakeClipboard.h"
#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "lottery/SingleCode.h"
#include "singles/ClipboardImport.h"
#include "singles/ClipboardExport.h"

#include <algorithm>
#include <span>
#include <vector>

// Text copied to the clipboard by any program, taken as singles: at most one
// single per line, each a valid code; the singles copied back to the
// clipboard as text come in again as themselves.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    FakeClipboard clipboard;
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    clipboard.copy(text);
    const ClipboardImport import(clipboard);

    const std::vector<qint32> held{9};
    std::vector<qint32> singles = held;
    qint32 count = 5;
    import.clipImport(ClipboardImport::FormatLines + 1, count, singles);
    FUZZ_CHECK(count == 5 && singles == held);

    import.clipImport(ClipboardImport::FormatLines, count, singles);
    FUZZ_CHECK(count == qint32(singles.size()));
    FUZZ_CHECK(qsizetype(singles.size()) <= text.count(QStringLiteral("\r\n")) + 1);
    FUZZ_CHECK(std::all_of(singles.begin(), singles.end(), SingleCode::isValidCode));
    FUZZ_CHECK(ui.boxes().isEmpty());
    if (singles.empty())
        return 0;

    const std::span<const qint32> copied(singles.data(), std::min<std::size_t>(singles.size(), ClipboardExport::MaxSingles));
    ClipboardExport(clipboard).clipExport(ClipboardExport::LayoutRows, copied);
    std::vector<qint32> again;
    import.clipImport(ClipboardImport::FormatLines, count, again);
    FUZZ_CHECK(std::equal(again.begin(), again.end(), copied.begin(), copied.end()));
    return 0;
}
