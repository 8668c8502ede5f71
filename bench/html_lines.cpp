// Reducing an official-looking page of 1 MB to its text lines: decoding the
// UTF-8 bytes, cutting the page into items and building the lines.
// Goal: under 20 ms.

#include "acquisition/PageFetcher.h"
#include "support/Utf8Text.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

QByteArray officialLookingPage(qsizetype minimumBytes)
{
    QString page = QStringLiteral(
        "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
        "<title>くじ結果 | スポーツくじ</title>\r\n<!-- header start -->\r\n"
        "<script type=\"text/javascript\">var a = 1; if (a > 0) { a = 2; }</script>\r\n</head>\r\n"
        "<body class=\"result\">\r\n<div id=\"wrap\">\r\n"
        "  <h2 class=\"ttl\">第1478回　BIG くじ結果</h2>\r\n");
    QString row;
    int match = 0;
    while (page.toUtf8().size() + 20 < minimumBytes) {
        for (int i = 0; i < 200; ++i) {
            match = match % 14 + 1;
            page += QStringLiteral(
                        "    <tr>\r\n      <td class=\"no\">%1</td>\r\n      <td>3/9<br>14:00</td>\r\n"
                        "      <td class=\"team\">鹿島アントラーズ</td>\r\n      <td>2<br />-<br />1</td>\r\n"
                        "      <td class=\"team\">浦和レッズ</td>\r\n      <td>カシマ&nbsp;&amp;&lt;&gt;</td>\r\n"
                        "      <!-- row %1 -->\r\n    </tr>\r\n")
                        .arg(match);
        }
    }
    page += QStringLiteral("</div>\r\n</body>\r\n</html>\r\n");
    return page.toUtf8();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    QTextStream out(stdout);
    const QByteArray bytes = officialLookingPage(1 << 20);

    constexpr int runs = 21;
    std::vector<double> decode, cut, lines, total;
    qint32 itemCount = 0;
    qint32 lineCount = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QString text = utf8ToText(bytes);
        const qint64 decoded = timer.nsecsElapsed();
        PageFetcher page;
        itemCount = page.parseHtml(text);
        const qint64 parsed = timer.nsecsElapsed();
        QStringList textLines;
        lineCount = page.getTextData(textLines);
        const qint64 done = timer.nsecsElapsed();
        decode.push_back(decoded / 1e6);
        cut.push_back((parsed - decoded) / 1e6);
        lines.push_back((done - parsed) / 1e6);
        total.push_back(done / 1e6);
    }

    out << "html_lines: page of " << bytes.size() << " bytes, " << itemCount << " items, " << lineCount
        << " lines; median of " << runs << " runs\n";
    out << QStringLiteral("  decode UTF-8  %1 ms\n").arg(median(decode), 0, 'f', 2);
    out << QStringLiteral("  cut and clean %1 ms\n").arg(median(cut), 0, 'f', 2);
    out << QStringLiteral("  text lines    %1 ms\n").arg(median(lines), 0, 'f', 2);
    out << QStringLiteral("  total         %1 ms (goal: under 20 ms; best %2 ms)\n")
               .arg(median(total), 0, 'f', 2)
               .arg(*std::min_element(total.begin(), total.end()), 0, 'f', 2);
    return 0;
}
