// Memory of reducing a hostile page to its text lines: "<a>" repeated up to a
// given size, the worst page for the cutting (one item every three bytes),
// and an official-looking page for comparison. Prints the peak memory the
// cutting took above what the page itself holds, and how many times the
// page's size that is. Goal: a few times the page size.
//
//     bench_html_memory [MiB ...]      (default: 1 4 32)

#include "acquisition/PageFetcher.h"
#include "acquisition/LoggedDownload.h"
#include "support/Utf8Text.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <malloc.h>

namespace {

// A size of /proc/self/status in KiB: VmHWM, the peak resident size since
// the last reset, or VmRSS, the resident size now.
qint64 statusKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Starts a new peak at the current resident size.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QByteArray repeated(const QByteArray &piece, qint64 bytes)
{
    QByteArray page("<html><body>");
    page.reserve(bytes);
    while (page.size() + piece.size() <= bytes)
        page += piece;
    return page;
}

void measure(const char *what, const QByteArray &bytes)
{
    // What the client holds anyway: the body and its decoded text. Memory
    // freed by the case before goes back first, so that it is not counted
    // as this one's.
    const QString text = utf8ToText(bytes);
    malloc_trim(0);
    const qint64 before = statusKiB("VmRSS");
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    qint32 items = 0;
    qint32 lines = 0;
    {
        PageFetcher html;
        items = html.parseHtml(text);
        QStringList textLines;
        lines = html.getTextData(textLines);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    const qint64 extraKiB = statusKiB("VmHWM") - before;
    std::printf("%-28s %8.2f MiB: %9d items, %7d lines, %8.0f ms, peak %8.1f MiB above the page"
                " (%5.1f times its size)\n",
                what, bytes.size() / 1048576.0, items, lines, ms, extraKiB / 1024.0,
                extraKiB * 1024.0 / double(bytes.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toDouble();
    if (sizes.isEmpty())
        sizes = {1, 4, 32};
    std::printf("body cap of the HTTP client: %.2f MiB\n", LoggedDownload::MaxBodyBytes / 1048576.0);
    for (const double mib : sizes) {
        const qint64 bytes = qint64(mib * 1048576) - 3;
        measure("\"<a>\" repeated", repeated("<a>", bytes));
        measure("official-looking rows",
                repeated("<tr>\r\n  <td class=\"no\">7</td>\r\n  <td class=\"home\">鹿島アントラーズ</td>\r\n"
                         "  <td>3/9<br>14:00</td>\r\n</tr>\r\n",
                         bytes));
    }
    return 0;
}
