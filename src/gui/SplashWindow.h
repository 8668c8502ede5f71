#pragma once

#include <QWidget>

class QLabel;

// The splash window shown while the main window builds itself.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    QLabel *copyrightLabel() const { return m_copyrightLabel; }

private:
    QLabel *m_copyrightLabel;
};
