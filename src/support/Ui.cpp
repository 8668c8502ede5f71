#include "support/Ui.h"

#include <QDebug>

namespace {

class LoggingUi final : public Ui
{
public:
    Answer showMessage(Icon, const QString &title, const QString &text, Buttons buttons) override
    {
        qWarning().noquote() << title << ':' << text;
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void setBusy(bool) override {}
    void processEvents() override {}
};

LoggingUi s_fallback;
Ui *s_installed = nullptr;
int s_busyDepth = 0;

} // namespace

bool Ui::askYesNo(const QString &title, const QString &text, Icon icon)
{
    return showMessage(icon, title, text, Buttons::YesNo) == Answer::Yes;
}

Ui &Ui::instance()
{
    return s_installed ? *s_installed : s_fallback;
}

void Ui::install(Ui *ui)
{
    s_installed = ui;
}

BusyPointer::BusyPointer()
{
    if (s_busyDepth++ == 0)
        Ui::instance().setBusy(true);
}

BusyPointer::~BusyPointer()
{
    if (--s_busyDepth == 0)
        Ui::instance().setBusy(false);
}
