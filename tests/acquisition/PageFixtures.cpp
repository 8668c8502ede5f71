#include "PageFixtures.h"

#include "acquisition/PageFetcher.h"
#include "acquisition/SchedulePageReader.h"
#include "common/OfficialSite.h"

namespace PageFixtures {

QStringList linesOf(const QString &pageFile)
{
    PageFetcher html;
    html.parseHtml(OfficialSite::pageText(pageFile));
    QStringList lines;
    html.getTextData(lines);
    return lines;
}

ScheduleData scheduleOf(int round)
{
    SchedulePageReader page;
    page.readLines(linesOf(QStringLiteral("schedule_%1.html").arg(round)), round, QString());
    return page.schedule();
}

} // namespace PageFixtures
