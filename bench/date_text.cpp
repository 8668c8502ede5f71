// Reading dates with long runs of spaces, as a damaged round file may hold
// them: the date parser alone, and a whole schedule file whose sales start
// date is followed by the spaces. Every case must take milliseconds, growing
// with the length of the run, never with its square.

#include "rounddata/ScheduleFile.h"
#include "support/AppFolder.h"
#include "support/DateText.h"
#include "support/TextCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void benchParse(const char *what, const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    const std::optional<OleDate> date = DateText::parse(text);
    std::printf("%-44s %9lld characters: %8.3f ms, %s\n", what, static_cast<long long>(text.size()),
                timer.nsecsElapsed() / 1e6, date ? "read" : "refused");
}

QString scheduleFileText(const QString &saleStart)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<BIG>\r\n<開催>\r\n"
                          "<開催回>1478</開催回>\r\n<販売開始日>")
        + saleStart + QStringLiteral("</販売開始日>\r\n</開催>\r\n</BIG>\r\n");
}

void benchScheduleFile(const char *what, const QString &saleStart)
{
    QTemporaryDir folder;
    AppFolder::setPath(folder.path());
    ScheduleFile xml;
    const QString name = xml.getFileName(1478, QString());
    QFile file(folder.filePath(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml")));
    QDir().mkpath(folder.filePath(QStringLiteral("SysData/BIG_Schedule")));
    if (!file.open(QIODevice::WriteOnly) || file.write(TextCodec::encodeSjis(scheduleFileText(saleStart))) < 0)
        return;
    file.close();

    QElapsedTimer timer;
    timer.start();
    const bool loaded = xml.xmlLoad(name);
    std::printf("%-44s %9lld bytes:      %8.3f ms, %s\n", what, static_cast<long long>(file.size()),
                timer.nsecsElapsed() / 1e6, loaded ? "read" : "refused");
    AppFolder::setPath(QString());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    for (const int count : {100000, 300000, 1000000}) {
        const QString spaces(count, u' ');
        std::printf("--- %d spaces\n", count);
        benchParse("date, spaces, text", QStringLiteral("2024/03/04") + spaces + u'x');
        benchParse("date, spaces, time", QStringLiteral("2024/03/04") + spaces + QStringLiteral("10:00:00"));
        benchParse("date, spaces, time, text", QStringLiteral("2024/03/04") + spaces + QStringLiteral("10:00 x"));
        benchScheduleFile("schedule file: date, spaces, text", QStringLiteral("2024/03/04") + spaces + u'x');
        benchScheduleFile("schedule file: date, spaces, time",
                          QStringLiteral("2024/03/04") + spaces + QStringLiteral("10:00:00"));
    }
    return 0;
}
