#include "common/SinglesOwner.h"

#include "singles/clsTSingle.h"
#include "singles/clsTSingleFrame.h"

SinglesOwner::SinglesOwner(clsTSingle &controller)
    : m_controller(controller)
{
    connect(&controller, &clsTSingle::ChangeValue, this, [this](qint32 index, qint32 code) {
        log.append(QStringLiteral("ChangeValue %1 %2").arg(index).arg(code));
        singles[index] = code;
    });
    connect(&controller, &clsTSingle::ChangeFrame, this, [this](const MarkCounts &changed) {
        log.append(QStringLiteral("ChangeFrame"));
        frame = changed;
        m_controller.SetSingleFrame(frame, visible);
    });
    connect(&controller, &clsTSingle::ChangeCount, this, [this](qint32 newCount, const QList<qint32> &newSingles) {
        log.append(QStringLiteral("ChangeCount %1").arg(newCount));
        count = newCount;
        singles = newSingles;
        m_controller.SetSingle(count, singles);
    });
    connect(&controller, &clsTSingle::PageTextChanged, this,
            [this](const QString &text) { log.append(QStringLiteral("page ") + text); });
}

void SinglesOwner::setList(const QList<qint32> &newSingles)
{
    singles = newSingles;
    count = qint32(singles.size());
    clsTSingleFrame::GetSingleFrame(count, singles, frame);
}

void SinglesOwner::show(const VoteData &vote)
{
    m_controller.SetVoteData(vote);
    m_controller.SetSingle(count, singles);
    m_controller.MovePage(0);
    m_controller.SetSingleFrame(frame, visible);
    log.clear();
}
