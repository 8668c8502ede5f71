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
    static ResultPageReader page;
    if (!page.readLines(Fuzz::pageLines(Fuzz::bytes(data, size)), QString())) {
        FUZZ_CHECK(page.result() == ResultData());
        return 0;
    }
    FUZZ_CHECK(!page.Unpublished());
    if (ResultWorkflow::isResultValid(page.result()))
        WrittenRecords::checkSavedAndLoaded(page.result(), &ResultFile::setResult, &ResultFile::result,
                                            QStringLiteral("result.xml"));
    return 0;
}
