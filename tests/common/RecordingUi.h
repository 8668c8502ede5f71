#pragma once

#include "support/Ui.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// A Ui port for tests: keeps every box and answers questions from a script.
// Installed for as long as it lives.
class RecordingUi : public Ui
{
public:
    struct Box
    {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    RecordingUi();
    ~RecordingUi() override;

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override;
    void processEvents() override;

    // Answers for the next questions, in order; an unscripted question is answered No.
    void scriptAnswers(std::initializer_list<Answer> answers);

    const QList<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }
    bool busy() const { return m_busyCount > 0; }
    int busyChanges() const { return m_busyChanges; }
    int processEventsCalls() const { return m_processEventsCalls; }

    // Called whenever the logic lets pending events run: lets a test look at
    // what is on screen at that moment.
    std::function<void()> onProcessEvents;

private:
    QList<Box> m_boxes;
    QQueue<Answer> m_answers;
    int m_busyCount = 0;
    int m_busyChanges = 0;
    int m_processEventsCalls = 0;
};

QDebug operator<<(QDebug debug, const RecordingUi::Box &box);
