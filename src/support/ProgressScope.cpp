#include "support/ProgressScope.h"

#include "support/Ui.h"

ProgressScope::ProgressScope(const QString &message, qint32 max)
    : m_max(max)
{
    Ui &ui = Ui::instance();
    ui.showProgress(message);
    ui.setProgressMax(max);
}

ProgressScope::~ProgressScope()
{
    Ui::instance().closeProgress();
}

void ProgressScope::setMessage(const QString &message)
{
    Ui::instance().setProgressMessage(message);
}

void ProgressScope::setMax(qint32 max)
{
    m_max = max;
    Ui::instance().setProgressMax(max);
}

void ProgressScope::setValue(qint32 value)
{
    Ui::instance().setProgressValue(value);
}

void ProgressScope::allowStop()
{
    Ui::instance().setProgressStoppable(true);
}

bool ProgressScope::stopRequested() const
{
    return Ui::instance().progressStopRequested();
}
