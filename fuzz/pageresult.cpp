#include "acquisition/ResultPageReader.h"
#include "acquisition/ResultWorkflow.h"
#include "common/WrittenRecords.h"
#include "rounddata/ResultFile.h"

// The result page reader on any text lines (no server): a failed read holds
// no record; a record that passes the workflow's completeness test is kept
// as a round file that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    static clsHtmlResult page;
    if (!page.ReadLines(Fuzz::pageLines(Fuzz::bytes(data, size)), QString())) {
        FUZZ_CHECK(page.Result() == ResultData());
        return 0;
    }
    FUZZ_CHECK(!page.Unpublished());
    if (clsResult::IsResultValid(page.Result()))
        WrittenRecords::checkSavedAndLoaded(page.Result(), &clsXmlResult::setResult, &clsXmlResult::Result,
                                            QStringLiteral("result.xml"));
    return 0;
}
