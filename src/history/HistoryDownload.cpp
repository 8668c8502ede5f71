#include "history/HistoryDownload.h"

#include "acquisition/ResultWorkflow.h"
#include "acquisition/LoggedDownload.h"
#include "history/HistoryResults.h"
#include "support/HeldMessages.h"
#include "support/Ui.h"
#include "support/ProgressScope.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

const QString title = QStringLiteral(" くじ結果");

} // namespace

HistoryDownload::Summary HistoryDownload::Run(const QList<qint32> &rounds)
{
    if (rounds.isEmpty()) {
        Ui::instance().showMessage(Ui::Icon::Information, title,
                                   QStringLiteral("くじ結果のない開催回はありません。"));
        return {};
    }
    const Summary summary = download(rounds);
    Ui::instance().showMessage(summary.unreachable ? Ui::Icon::Warning : Ui::Icon::Information, title,
                               summaryText(summary));
    return summary;
}

QString HistoryDownload::summaryText(const Summary &summary)
{
    QString text = summary.unreachable ? QStringLiteral("インターネットよりダウンロードに失敗しました。\r\n"
                                                        "サーバーに接続できないため、残りの開催回は取得していません。")
                   : summary.Stopped   ? QStringLiteral("くじ結果の一括ダウンロードを中止しました。")
                                       : QStringLiteral("くじ結果の一括ダウンロードが終わりました。");
    text += QStringLiteral("\r\n\r\nダウンロードした開催回：%1\r\n発表されていない開催回：%2\r\n失敗した開催回：%3")
                .arg(summary.downloaded)
                .arg(summary.Unpublished)
                .arg(summary.Failed);
    return text;
}

HistoryDownload::Summary HistoryDownload::download(const QList<qint32> &rounds)
{
    Summary summary;
    if (!LoggedDownload().connection()) {
        summary.unreachable = true;
        return summary;
    }
    BusyPointer busy;
    ProgressScope progress(QStringLiteral("くじ結果のダウンロード中"), qint32(rounds.size()));
    progress.allowStop();
    ResultWorkflow workflow;
    workflow.initialize();
    // The progress window tells which round is fetched; no log window per round.
    workflow.setProgressOpen(false);
    int failuresInARow = 0;
    for (qsizetype i = 0; i < rounds.size(); ++i) {
        if (progress.stopRequested() || (i > 0 && !pause())) {
            summary.Stopped = true;
            break;
        }
        const qint32 round = rounds[i];
        progress.setMessage(u'第' + QString::number(round) + QStringLiteral("回 くじ結果をダウンロード中"));
        progress.setValue(qint32(i));
        bool kept = false;
        {
            // A box about a damaged old file or a failed save would stop
            // the run; how the round went is told by its file.
            const HeldMessages quiet;
            kept = workflow.getResult(round, QString(), ResultWorkflow::FromFile | ResultWorkflow::FromSite, false)
                   && HistoryResults::hasReadableFile(round);
        }
        if (kept)
            ++summary.downloaded;
        else if (workflow.Unpublished())
            ++summary.Unpublished;
        else
            ++summary.Failed;
        failuresInARow = kept || workflow.Unpublished() ? 0 : failuresInARow + 1;
        progress.setValue(qint32(i + 1));
        if (failuresInARow >= FailuresOfDeadServer) {
            summary.unreachable = true;
            break;
        }
    }
    return summary;
}

bool HistoryDownload::pause() const
{
    QElapsedTimer waited;
    waited.start();
    do {
        Ui::instance().processEvents();
        if (Ui::instance().progressStopRequested())
            return false;
        QThread::msleep(std::clamp<qint64>(m_interval - waited.elapsed(), 0, 20));
    } while (waited.elapsed() < m_interval);
    return true;
}
