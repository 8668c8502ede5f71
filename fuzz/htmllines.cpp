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
    HtmlItemList data;
    const qint32 count = data.getHtmlData(page);
    FUZZ_CHECK(count == data.pieces().size());
    qsizetype end = 0;
    for (qint32 index = 0; index < count; ++index) {
        const HtmlItemList::Piece &piece = data.pieces().at(index);
        FUZZ_CHECK(piece.start >= end && piece.length > 0 && piece.start + qsizetype(piece.length) <= page.size());
        end = piece.start + qsizetype(piece.length);
        const HtmlItem item = data.item(index);
        if (item.tag) {
            FUZZ_CHECK(page.at(piece.start) == u'<' && page.at(end - 1) == u'>');
            FUZZ_CHECK(item.Text.startsWith(u'<') && item.Text.endsWith(u'>'));
        }
        if (item.tag && !item.comment)
            FUZZ_CHECK(item.attributeCount == item.attributes.size() - 1 && item.attributeCount >= 0);
    }
    FUZZ_CHECK(data.item(-1).Text.isEmpty() && data.item(count).Text.isEmpty());
}

// The body text lines hold no blanks or control characters, one line at
// most per item.
void checkLines(const QString &page)
{
    PageFetcher html;
    const qint32 count = html.parseHtml(page);
    QStringList lines;
    const qint32 lineCount = html.getTextData(lines);
    FUZZ_CHECK(lineCount == lines.size() && lineCount <= count);
    for (const QString &line : lines)
        FUZZ_CHECK(std::none_of(line.begin(), line.end(), isDroppedFromLines));
}

} // namespace

// A downloaded page, decoded as UTF-8 and cut into its items and body text
// lines, as every page reader takes it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString page = utf8ToText(Fuzz::bytes(data, size));
    checkPieces(page);
    checkLines(page);
    return 0;
}
