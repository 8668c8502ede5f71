#pragma once

#include <QString>

// The port through which the logic talks to the user: message boxes, Yes/No
// questions, the busy pointer and letting pending window events run. The
// program installs the Qt implementation at start-up; tests install a
// recording one. Without any installed port, boxes are written to the debug
// log and questions are answered No, so nothing is ever done unasked.
class Ui
{
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Ui() = default;

    virtual Answer showMessage(Icon icon, const QString &title, const QString &text,
                               Buttons buttons = Buttons::Ok) = 0;
    // A box whose preselected button (the one Enter presses) is given; a
    // port that cannot preselect shows the plain box.
    virtual Answer showQuestion(Icon icon, const QString &title, const QString &text, Buttons buttons,
                                Answer /*preselected*/)
    {
        return showMessage(icon, title, text, buttons);
    }
    virtual void setBusy(bool busy) = 0;
    // Lets pending window events run. Long work offers this every so many
    // items; a port with a window may pass over offers that come closer
    // together than it needs.
    virtual void processEvents() = 0;

    // The connection log of downloads: one window per process, shown
    // non-modal over the main window while a transfer runs. Without a window
    // these do nothing.
    virtual void showConnectionLog() {}
    // Adds a line and scrolls to it.
    virtual void addConnectionLogLine(const QString & /*line*/) {}
    // Appends text to the last line.
    virtual void appendConnectionLogText(const QString & /*text*/) {}
    // Closes the window, its lines going with it, and redraws the main window.
    virtual void closeConnectionLog() {}
    // While a transfer runs under the connection log, the user may stop it
    // or end the program; input meant for anything else is held back.
    virtual void beginTransfer() {}
    virtual void endTransfer() {}

    // The progress window of long list operations: shown over the main
    // window without blocking and kept on top, with a message and a bar
    // filled in proportion value / max. Without a window these do nothing.
    virtual void showProgress(const QString & /*message*/) {}
    virtual void setProgressMessage(const QString & /*message*/) {}
    virtual void setProgressMax(qint32 /*max*/) {}
    virtual void setProgressValue(qint32 /*value*/) {}
    virtual void closeProgress() {}
    // A "中止" button on the progress window for work that can stop between
    // two steps: once pressed, progressStopRequested() is true until the
    // window is shown again. Without a window nothing is ever pressed.
    virtual void setProgressStoppable(bool /*stoppable*/) {}
    virtual bool progressStopRequested() const { return false; }

    // Opens a web or mail address with the user's default program.
    virtual void openAddress(const QString & /*address*/) {}

    // The button a box preselects unless told otherwise: Ok or Yes.
    static Answer firstButton(Buttons buttons)
    {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }

    // A Yes/No question; true when the user answered Yes. Yes is preselected
    // unless the question asks for No, as questions about deleting do.
    bool askYesNo(const QString &title, const QString &text, Icon icon = Icon::Question,
                  Answer preselected = Answer::Yes);

    // The installed port (never null). install(nullptr) restores the fallback.
    static Ui &instance();
    static void install(Ui *ui);
};

// Shows the busy pointer for as long as it lives; nests.
class BusyPointer
{
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};
