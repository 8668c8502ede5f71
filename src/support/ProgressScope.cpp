#include "support/ProgressScope.h"

#include "support/Ui.h"

clsWaitDialog::clsWaitDialog(const QString &message, qint32 max)
    : m_max(max)
{
    Ui &ui = Ui::instance();
    ui.showProgress(message);
    ui.setProgressMax(max);
}

clsWaitDialog::~clsWaitDialog()
{
    Ui::instance().closeProgress();
}

void clsWaitDialog::setMessage(const QString &message)
{
    Ui::instance().setProgressMessage(message);
}

void clsWaitDialog::setMax(qint32 max)
{
    m_max = max;
    Ui::instance().setProgressMax(max);
}

void clsWaitDialog::setValue(qint32 value)
{
    Ui::instance().setProgressValue(value);
}

void clsWaitDialog::allowStop()
{
    Ui::instance().setProgressStoppable(true);
}

bool clsWaitDialog::stopRequested() const
{
    return Ui::instance().progressStopRequested();
}
