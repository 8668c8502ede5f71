#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>

class QAction;
class QWidget;

// While a download runs, the user may press 中止 in the connection log or end
// the program (終了, the window's close button), nothing else: input meant for
// other widgets is held back and every command of the main window but the
// one that ends the program is disabled until the download is over.
class TransferInputHold : public QObject
{
public:
    // stopWindow: the connection log; mainWindow may be null.
    TransferInputHold(QWidget *stopWindow, QWidget *mainWindow);
    ~TransferInputHold() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool reachable(const QWidget *widget) const;

    QPointer<QWidget> m_stopWindow;
    QList<QPair<QPointer<QAction>, bool>> m_disabled;
};
