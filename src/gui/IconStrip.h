#pragma once

#include <QWidget>

#include <array>

class QToolButton;

// The main window's vertical strip of page icons: ホーム, シングル, チェック.
// The current page's icon is highlighted.
class IconStrip : public QWidget
{
    Q_OBJECT

public:
    explicit IconStrip(QWidget *parent = nullptr);

    void setCurrent(int page);
    QToolButton *button(int page) const { return m_buttons.at(page); }

Q_SIGNALS:
    void pageClicked(int page);

private:
    std::array<QToolButton *, 3> m_buttons{};
};
