#pragma once

#include "support/Ui.h"

#include <QStringList>

// While it lives, the message boxes of the logic are held here instead of
// being shown: for work over many files that tells each file's trouble in
// one line of its own rather than in a box per file. Everything else (the
// busy pointer, progress, pending events) goes on to the port installed
// before, which is installed again at the end. A question is answered No.
class HeldMessages final : public Ui
{
public:
    HeldMessages();
    ~HeldMessages() override;
    HeldMessages(const HeldMessages &) = delete;
    HeldMessages &operator=(const HeldMessages &) = delete;

    // The texts of the boxes held so far, oldest first.
    const QStringList &texts() const { return m_texts; }

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override { m_outer.setBusy(busy); }
    void processEvents() override { m_outer.processEvents(); }
    void showProgress(const QString &message) override { m_outer.showProgress(message); }
    void setProgressMessage(const QString &message) override { m_outer.setProgressMessage(message); }
    void setProgressMax(qint32 max) override { m_outer.setProgressMax(max); }
    void setProgressValue(qint32 value) override { m_outer.setProgressValue(value); }
    void closeProgress() override { m_outer.closeProgress(); }
    void setProgressStoppable(bool stoppable) override { m_outer.setProgressStoppable(stoppable); }
    bool progressStopRequested() const override { return m_outer.progressStopRequested(); }

private:
    Ui &m_outer;
    QStringList m_texts;
};
