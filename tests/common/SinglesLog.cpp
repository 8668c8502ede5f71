#include "common/SinglesLog.h"

#include "singles/SingleListStore.h"
#include "singles/SinglesPageController.h"

SinglesLog::SinglesLog(SingleListStore &list, SinglesPageController &view)
{
    connect(&list, &SingleListStore::ChangeValue, this,
            [this](qint32 index, qint32 code) { lines.append(QStringLiteral("ChangeValue %1 %2").arg(index).arg(code)); });
    connect(&list, &SingleListStore::changeFrame, this, [this] { lines.append(QStringLiteral("ChangeFrame")); });
    connect(&list, &SingleListStore::changeCount, this,
            [this](qint32 count) { lines.append(QStringLiteral("ChangeCount %1").arg(count)); });
    connect(&view, &SinglesPageController::pageTextChanged, this,
            [this](const QString &text) { lines.append(QStringLiteral("page ") + text); });
}
