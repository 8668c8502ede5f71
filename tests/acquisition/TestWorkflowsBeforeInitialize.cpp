#include "acquisition/ResultWorkflow.h"
#include "acquisition/ScheduleWorkflow.h"
#include "acquisition/VoteWorkflow.h"
#include "common/OfficialSite.h"

#include <QTest>

#include <functional>
#include <memory>

// The three download workflows used before Initialize: every get operation
// and record answers "Initialize Err" under its own name and does nothing;
// the file test and the explanation of a failure need no Initialize.
namespace {

using Make = std::function<std::shared_ptr<RoundWorkflow>()>;
using Call = std::function<bool(RoundWorkflow &)>;

template<typename Workflow>
void addRows(const QString &className, const QString &kind,
             const std::initializer_list<std::pair<const char *, std::function<bool(Workflow &)>>> &operations,
             const std::function<bool(const Workflow &)> &fileTest)
{
    const Make make = [] { return std::make_shared<Workflow>(); };
    const Call checkFile = [fileTest](RoundWorkflow &w) { return fileTest(static_cast<const Workflow &>(w)); };
    for (const auto &entry : operations) {
        const char *name = entry.first;
        const std::function<bool(Workflow &)> operation = entry.second;
        const Call call = [operation](RoundWorkflow &w) { return operation(static_cast<Workflow &>(w)); };
        QTest::addRow("%s %s", qPrintable(className), name)
            << className << QString::fromLatin1(name) << kind << make << call << checkFile;
    }
}

} // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Call)

class TestWorkflowsBeforeInitialize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void beforeInitialize_data();
    void beforeInitialize();
};

void TestWorkflowsBeforeInitialize::beforeInitialize_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Make>("make");
    QTest::addColumn<Call>("call");
    QTest::addColumn<Call>("fileTest");

    addRows<ScheduleWorkflow>(QStringLiteral("clsSchedule"), QStringLiteral("開催情報"),
                         {{"GetSchedule", [](ScheduleWorkflow &w) { return w.getSchedule(1478, QString(), 3, true); }},
                          {"Schedule", [](ScheduleWorkflow &w) { return w.schedule().roundNumber != 0; }},
                          {"Cancel", [](ScheduleWorkflow &w) { return w.Cancel(); }},
                          {"NoGame", [](ScheduleWorkflow &w) { return w.noGame(); }},
                          {"Unpublished", [](ScheduleWorkflow &w) { return w.Unpublished(); }}},
                         [](const ScheduleWorkflow &w) { return w.checkScheduleFile(1478, QString()); });
    addRows<VoteWorkflow>(QStringLiteral("clsVote"), QStringLiteral("投票状況"),
                     {{"GetVote", [](VoteWorkflow &w) { return w.getVote(1478, QString(), 3, true, heldSchedule(1478)); }},
                      {"Vote", [](VoteWorkflow &w) { return w.vote().roundNumber != 0; }},
                      {"Cancel", [](VoteWorkflow &w) { return w.Cancel(); }},
                      {"Unpublished", [](VoteWorkflow &w) { return w.Unpublished(); }}},
                     [](const VoteWorkflow &w) { return w.checkVoteFile(1478, QString()); });
    addRows<ResultWorkflow>(QStringLiteral("clsResult"), QStringLiteral("くじ結果"),
                       {{"GetResult", [](ResultWorkflow &w) { return w.getResult(1478, QString(), 3, true); }},
                        {"Result", [](ResultWorkflow &w) { return w.result().roundNumber != 0; }},
                        {"Cancel", [](ResultWorkflow &w) { return w.Cancel(); }},
                        {"Unpublished", [](ResultWorkflow &w) { return w.Unpublished(); }}},
                       [](const ResultWorkflow &w) { return w.checkResultFile(1478, QString()); });
}

void TestWorkflowsBeforeInitialize::beforeInitialize()
{
    QFETCH(QString, className);
    QFETCH(QString, operation);
    QFETCH(QString, kind);
    QFETCH(Make, make);
    QFETCH(Call, call);
    QFETCH(Call, fileTest);
    DownloadTestBed bed;
    const std::shared_ptr<RoundWorkflow> workflow = make();

    QVERIFY(!call(*workflow));
    QCOMPARE(boxLines(bed.ui), QStringList{boxLine(Ui::Icon::Warning, QStringLiteral("QUDO / %1 / %2").arg(className, operation),
                                                   QStringLiteral("Initialize Err"))});
    QCOMPARE(bed.site.requests(), 0);

    bed.ui.clear();
    QVERIFY(!fileTest(*workflow));
    workflow->falseDialog(1478);
    QCOMPARE(boxLines(bed.ui), QStringList{failureBox(kind)});
}

QTEST_GUILESS_MAIN(TestWorkflowsBeforeInitialize)
#include "TestWorkflowsBeforeInitialize.moc"
