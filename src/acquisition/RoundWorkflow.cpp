#include "acquisition/RoundWorkflow.h"

#include "acquisition/HttpTransfer.h"
#include "support/Ui.h"

RoundWorkflow::RoundWorkflow(const QString &className, const QString &kindWord)
    : m_err(className)
    , m_kindWord(kindWord)
{
}

void RoundWorkflow::initialize()
{
    m_initialized = true;
}

bool RoundWorkflow::checkInitialized(const QString &procedure) const
{
    if (!m_initialized)
        m_err.reportInitializeError(procedure);
    return m_initialized;
}

bool RoundWorkflow::Cancel() const
{
    return checkInitialized(QStringLiteral("Cancel")) && m_cancel;
}

bool RoundWorkflow::Unpublished() const
{
    return checkInitialized(QStringLiteral("Unpublished")) && m_unpublished;
}

bool RoundWorkflow::askDownload() const
{
    return Ui::instance().askYesNo(u' ' + m_kindWord,
                                   QStringLiteral("インターネットより ") + m_kindWord
                                       + QStringLiteral(" をダウンロードします。よろしいですか？"));
}

void RoundWorkflow::falseDialog(qint32 roundNumber) const
{
    // A download stopped because the program is ending tells nothing.
    if (m_cancel || HttpTransfer::exiting())
        return;
    const QString title = u' ' + m_kindWord;
    if (m_unpublished)
        Ui::instance().showMessage(Ui::Icon::Information, title,
                                   u'第' + QString::number(roundNumber) + QStringLiteral("回 ") + m_kindWord
                                       + QStringLiteral("は発表されていません。"));
    else
        Ui::instance().showMessage(Ui::Icon::Warning, title,
                                   QStringLiteral("インターネットよりダウンロードに失敗しました。"));
}

bool RoundWorkflow::setAsideUnreadable(const QString &fileName, const OfficialPage &page) const
{
    if (fileName != m_unreadableFile)
        return false;
    const QString brokenName = fileName + QStringLiteral(".broken");
    const QString shownName = PathRules::getFileName(fileName);
    if (!PathRules::moveFile(fileName, brokenName)) {
        page.addLogLine(QStringLiteral("読み込めない ") + shownName + QStringLiteral(" を移せないため、置き換えません"));
        return false;
    }
    page.addLogLine(QStringLiteral("読み込めない ") + shownName + QStringLiteral(" を ")
                    + PathRules::getFileName(brokenName) + QStringLiteral(" に移して置き換えます"));
    return true;
}
