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
    virtual void setBusy(bool busy) = 0;
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

    // The progress window of long operations (clsWaitDialog drives it): shown
    // without blocking and on top, repainted at once on every change. Without
    // a window these do nothing.
    virtual void showProgress() {}
    virtual void setProgressMessage(const QString & /*message*/) {}
    // The bar filled value / max.
    virtual void setProgressValue(qint32 /*value*/, qint32 /*max*/) {}
    virtual void closeProgress() {}

    // Opens a web or mail address with the user's default program.
    virtual void openAddress(const QString & /*address*/) {}

    // A Yes/No question; true when the user answered Yes.
    bool askYesNo(const QString &title, const QString &text, Icon icon = Icon::Question);

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
