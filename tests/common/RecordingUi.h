#pragma once

#include "support/Ui.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QString>
#include <QStringList>

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
        // The button Enter would press: the first one unless the logic asked for another.
        Answer preselected = Answer::Ok;
    };

    RecordingUi();
    ~RecordingUi() override;

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    Answer showQuestion(Icon icon, const QString &title, const QString &text, Buttons buttons,
                        Answer preselected) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void showConnectionLog() override;
    void addConnectionLogLine(const QString &line) override;
    void appendConnectionLogText(const QString &text) override;
    void closeConnectionLog() override;
    void showProgress(const QString &message) override;
    void setProgressMessage(const QString &message) override;
    void setProgressMax(qint32 max) override;
    void setProgressValue(qint32 value) override;
    void closeProgress() override;
    void setProgressStoppable(bool stoppable) override { m_progressStoppable = stoppable; }
    bool progressStopRequested() const override { return m_progressStopRequested; }
    void openAddress(const QString &address) override;

    // Answers for the next questions, in order; an unscripted question fails
    // the test (and is answered No).
    void scriptAnswers(std::initializer_list<Answer> answers);

    const QList<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }
    bool busy() const { return m_busyCount > 0; }
    int busyChanges() const { return m_busyChanges; }
    int processEventsCalls() const { return m_processEventsCalls; }

    // The connection log: whether its window is shown, the lines it shows
    // now, the lines of every window closed so far (oldest first), and how
    // often it was shown and closed.
    bool connectionLogShown() const { return m_logShown; }
    const QStringList &connectionLog() const { return m_logLines; }
    const QList<QStringList> &closedConnectionLogs() const { return m_closedLogs; }
    int connectionLogShows() const { return m_logShows; }
    int connectionLogCloses() const { return m_logCloses; }

    // The progress window: whether it is shown, every message it showed
    // and every value of its bar since it was last opened, its max, and how
    // often it was opened and closed.
    bool progressShown() const { return m_progressShown; }
    const QStringList &progressMessages() const { return m_progressMessages; }
    const QList<qint32> &progressValues() const { return m_progressValues; }
    qint32 progressMax() const { return m_progressMax; }
    int progressShows() const { return m_progressShows; }
    int progressCloses() const { return m_progressCloses; }
    // The "中止" button of the progress window: whether it is offered, and
    // pressing it (as a user would while the work runs).
    bool progressStoppable() const { return m_progressStoppable; }
    void pressProgressStop() { m_progressStopRequested = m_progressStoppable; }

    // The addresses opened in the browser or mail program, in order.
    const QStringList &openedAddresses() const { return m_openedAddresses; }

    // Called whenever the logic lets pending events run: lets a test look at
    // what is on screen at that moment.
    std::function<void()> onProcessEvents;

private:
    QList<Box> m_boxes;
    QQueue<Answer> m_answers;
    int m_busyCount = 0;
    int m_busyChanges = 0;
    int m_processEventsCalls = 0;
    bool m_logShown = false;
    QStringList m_logLines;
    QList<QStringList> m_closedLogs;
    int m_logShows = 0;
    int m_logCloses = 0;
    QStringList m_openedAddresses;
    bool m_progressShown = false;
    QStringList m_progressMessages;
    QList<qint32> m_progressValues;
    qint32 m_progressMax = 0;
    int m_progressShows = 0;
    int m_progressCloses = 0;
    bool m_progressStoppable = false;
    bool m_progressStopRequested = false;
};

QDebug operator<<(QDebug debug, const RecordingUi::Box &box);
