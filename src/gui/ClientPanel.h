#pragma once

#include <QWidget>

class QLabel;
class QStackedWidget;
class QStatusBar;
class IconStrip;

// The main window's client area: the icon strip on the left, the pages
// beside it and the status bar along the bottom. It is never smaller than
// 1005 × 655 layout pixels; a smaller window scrolls it.
class ClientPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ClientPanel(QWidget *parent = nullptr);

    static QSize layoutSize();

    IconStrip *iconStrip() const { return m_strip; }
    QStackedWidget *pages() const { return m_pages; }
    QStatusBar *statusBar() const { return m_statusBar; }
    // The status bar's text: the round and where its vote rates come from.
    QLabel *statusText() const { return m_statusText; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    IconStrip *m_strip;
    QStackedWidget *m_pages;
    QStatusBar *m_statusBar;
    QLabel *m_statusText;
};
