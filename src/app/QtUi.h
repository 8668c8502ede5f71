#pragma once

#include "support/Ui.h"

// The Ui port on Qt's widgets: real message boxes and the wait cursor.
class QtUi final : public Ui
{
public:
    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override;
    void processEvents() override;
};
