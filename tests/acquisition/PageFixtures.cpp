#include "PageFixtures.h"

#include "acquisition/PageFetcher.h"
#include "acquisition/SchedulePageReader.h"
#include "common/OfficialSite.h"

namespace PageFixtures {

QStringList linesOf(const QString &pageFile)
{
    clsHtmlGet html;
    html.ParseHtml(OfficialSite::pageText(pageFile));
    QStringList lines;
    html.GetTextData(lines);
    return lines;
}

ScheduleData scheduleOf(int round)
{
    clsHtmlSchedule page;
    page.ReadLines(linesOf(QStringLiteral("schedule_%1.html").arg(round)), round, QString());
    return page.Schedule();
}

} // namespace PageFixtures
