#include "support/HeldMessages.h"

HeldMessages::HeldMessages()
    : m_outer(Ui::instance())
{
    Ui::install(this);
}

HeldMessages::~HeldMessages()
{
    Ui::install(&m_outer);
}

Ui::Answer HeldMessages::showMessage(Icon, const QString &, const QString &text, Buttons buttons)
{
    m_texts.append(text);
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}
