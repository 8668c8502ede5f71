#include "common/RecordingUi.h"

#include <QTest>

#include <QDebug>

RecordingUi::RecordingUi()
{
    Ui::install(this);
}

RecordingUi::~RecordingUi()
{
    Ui::install(nullptr);
}

Ui::Answer RecordingUi::showMessage(Icon icon, const QString &title, const QString &text, Buttons buttons)
{
    return showQuestion(icon, title, text, buttons, firstButton(buttons));
}

Ui::Answer RecordingUi::showQuestion(Icon icon, const QString &title, const QString &text, Buttons buttons,
                                     Answer preselected)
{
    m_boxes.append({icon, title, text, buttons, preselected});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        // A question the test did not expect is a fault of the code or of the test.
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + title + QStringLiteral(" / ") + text), __FILE__,
                     __LINE__);
        return Answer::No;
    }
    return m_answers.dequeue();
}

void RecordingUi::setBusy(bool busy)
{
    m_busyCount += busy ? 1 : -1;
    ++m_busyChanges;
}

void RecordingUi::processEvents()
{
    ++m_processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
}

void RecordingUi::showConnectionLog()
{
    m_logShown = true;
    ++m_logShows;
}

void RecordingUi::addConnectionLogLine(const QString &line)
{
    m_logLines.append(line);
}

void RecordingUi::appendConnectionLogText(const QString &text)
{
    if (m_logLines.isEmpty())
        m_logLines.append(QString());
    m_logLines.last() += text;
}

void RecordingUi::closeConnectionLog()
{
    if (m_logShown || !m_logLines.isEmpty())
        m_closedLogs.append(m_logLines);
    m_logLines.clear();
    m_logShown = false;
    ++m_logCloses;
}

void RecordingUi::showProgress(const QString &message)
{
    m_progressShown = true;
    ++m_progressShows;
    m_progressMessages = {message};
    m_progressValues.clear();
    m_progressMax = 0;
    m_progressStoppable = false;
    m_progressStopRequested = false;
}

void RecordingUi::setProgressMessage(const QString &message)
{
    m_progressMessages.append(message);
}

void RecordingUi::setProgressMax(qint32 max)
{
    m_progressMax = max;
}

void RecordingUi::setProgressValue(qint32 value)
{
    m_progressValues.append(value);
}

void RecordingUi::closeProgress()
{
    m_progressShown = false;
    ++m_progressCloses;
}

void RecordingUi::openAddress(const QString &address)
{
    m_openedAddresses.append(address);
}

void RecordingUi::scriptAnswers(std::initializer_list<Answer> answers)
{
    for (Answer answer : answers)
        m_answers.enqueue(answer);
}

QDebug operator<<(QDebug debug, const RecordingUi::Box &box)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Box(" << int(box.icon) << ", " << box.title << ", " << box.text << ')';
    return debug;
}
