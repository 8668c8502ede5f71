#include "support/clsWaitDialog.h"

#include "support/Ui.h"

clsWaitDialog::~clsWaitDialog()
{
    if (m_shown)
        Ui::instance().closeProgress();
}

void clsWaitDialog::Initialize()
{
    m_shown = true;
    Ui::instance().showProgress();
    Ui::instance().setProgressMessage(m_message);
    Ui::instance().setProgressValue(m_value, m_max);
}

void clsWaitDialog::setMessage(const QString &message)
{
    m_message = message;
    if (m_shown)
        Ui::instance().setProgressMessage(message);
}

void clsWaitDialog::setMax(qint32 max)
{
    m_max = max;
    if (m_shown)
        Ui::instance().setProgressValue(m_value, m_max);
}

void clsWaitDialog::setValue(qint32 value)
{
    m_value = value;
    if (m_shown)
        Ui::instance().setProgressValue(m_value, m_max);
}
