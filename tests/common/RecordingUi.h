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
    };

    RecordingUi();
    ~RecordingUi() override;

    Answer showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override;
    void processEvents() override;
    void showConnectionLog() override;
    void addConnectionLogLine(const QString &line) override;
    void appendConnectionLogText(const QString &text) override;
    void closeConnectionLog() override;
    void showProgress() override;
    void setProgressMessage(const QString &message) override;
    void setProgressValue(qint32 value, qint32 max) override;
    void closeProgress() override;
    void openAddress(const QString &address) override;

    // Answers for the next questions, in order; an unscripted question is answered No.
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

    // The progress window: whether it is shown, how often it was shown, its
    // messages in order and its last bar value and maximum.
    bool progressShown() const { return m_progressShown; }
    int progressShows() const { return m_progressShows; }
    const QStringList &progressMessages() const { return m_progressMessages; }
    QPair<qint32, qint32> progressValue() const { return m_progressValue; }
    // Every bar value and maximum given, oldest first.
    const QList<QPair<qint32, qint32>> &progressValues() const { return m_progressValues; }

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
    bool m_progressShown = false;
    int m_progressShows = 0;
    QStringList m_progressMessages;
    QPair<qint32, qint32> m_progressValue{0, 0};
    QList<QPair<qint32, qint32>> m_progressValues;
    QStringList m_openedAddresses;
};

QDebug operator<<(QDebug debug, const RecordingUi::Box &box);
