#include "acquisition/HtmlItemList.h"
#include "acquisition/PageFetcher.h"
#include "common/FuzzHarness.h"
#include "support/Utf8Text.h"

#include <algorithm>

namespace {

bool isDroppedFromLines(QChar ch)
{
    return ch.unicode() <= u' ' || ch == QChar(0x3000);
}

// The items lie in the page, in its order, without overlapping; a tag is
// cut from its "<" to its ">".
void checkPieces(const QString &page)
{
    clsHtmlData data;
    const qint32 count = data.GetHtmlData(page);
    FUZZ_CHECK(count == data.Pieces().size());
    qsizetype end = 0;
    for (qint32 index = 0; index < count; ++index) {
        const clsHtmlData::Piece &piece = data.Pieces().at(index);
        FUZZ_CHECK(piece.Start >= end && piece.Length > 0 && piece.Start + qsizetype(piece.Length) <= page.size());
        end = piece.Start + qsizetype(piece.Length);
        const HtmlItem item = data.Item(index);
        if (item.Tag) {
            FUZZ_CHECK(page.at(piece.Start) == u'<' && page.at(end - 1) == u'>');
            FUZZ_CHECK(item.Text.startsWith(u'<') && item.Text.endsWith(u'>'));
        }
        if (item.Tag && !item.Comment)
            FUZZ_CHECK(item.AttributeCount == item.Attributes.size() - 1 && item.AttributeCount >= 0);
    }
    FUZZ_CHECK(data.Item(-1).Text.isEmpty() && data.Item(count).Text.isEmpty());
}

// The body text lines hold no blanks or control characters, one line at
// most per item.
void checkLines(const QString &page)
{
    clsHtmlGet html;
    const qint32 count = html.ParseHtml(page);
    QStringList lines;
    const qint32 lineCount = html.GetTextData(lines);
    FUZZ_CHECK(lineCount == lines.size() && lineCount <= count);
    for (const QString &line : lines)
        FUZZ_CHECK(std::none_of(line.begin(), line.end(), isDroppedFromLines));
}

} // namespace

// A downloaded page, decoded as UTF-8 and cut into its items and body text
// lines, as every page reader takes it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString page = Utf8ToText(Fuzz::bytes(data, size));
    checkPieces(page);
    checkLines(page);
    return 0;
}
